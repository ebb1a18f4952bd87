// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class UnixLineServer;

// One program per user at a time. The first start listens on a local socket of the user's;
// a later start finds it there, asks it to show itself, and leaves.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    enum class Role { primary, secondary, refused };

    // `socketPath`: where the first start listens; the user's own place unless given.
    explicit SingleInstance(QString socketPath = {}, QObject* parent = nullptr);

    // Called once at start. `secondary` once a running first start has been asked to show
    // itself: the caller should then exit 0. `refused` when the socket, its folder or whoever
    // listens there belongs to another user: the caller should exit non-zero; the reason is on
    // standard error. When the socket merely cannot be set up the program is let run as
    // `primary`, without the guard, after one line on standard error.
    Role start();

    QString socketPath() const { return m_socketPath; }

Q_SIGNALS:
    // A second start asked this one to open its panel.
    void activationRequested();

private:
    QString m_socketPath;
    UnixLineServer* m_server = nullptr;
};
