// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One program per user at a time. The first start listens on a local socket of the user's;
// a later start finds it there, asks it to show itself, and leaves.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    enum class Role { primary, secondary };

    // `socketPath`: where the first start listens; per user unless given.
    explicit SingleInstance(QString socketPath = defaultSocketPath(), QObject* parent = nullptr);

    // Called once at start. `secondary` once a running first start has been asked to show
    // itself: the caller should then exit 0. When the socket cannot be set up the program is
    // let run as `primary`, without the guard, after one line on standard error.
    Role start();

    // In $XDG_RUNTIME_DIR, private to the user, else in the temporary folder; named with the user id.
    static QString defaultSocketPath();

Q_SIGNALS:
    // A second start asked this one to open its panel.
    void activationRequested();

private:
    bool askRunningInstance();
    void serve(QLocalSocket* socket);

    QString m_socketPath;
    QLocalServer* m_server = nullptr;
};
