// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class UnixLineServer;

// One process of a program per user at a time. The first start listens on a local socket of the
// user's; a later start finds it there, sends it the program's one request (show the panel, open
// the gallery) and leaves. Two starts at the same moment take turns under a lock file beside the
// socket, from the look for a running one until the listening, so exactly one of them stays.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    enum class Role { primary, secondary, refused };

    // `program` names the socket ("<program>.socket") and starts the lines on standard error;
    // `request` is the line a later start sends, newline included. `socketPath`: where the first
    // start listens; the user's own place unless given.
    SingleInstance(QString program, QByteArray request, QString socketPath = {}, QObject* parent = nullptr);

    // Called once at start. `secondary` once a running first start has been sent the request:
    // the caller should then exit 0. `refused` when the socket, its folder or whoever listens
    // there belongs to another user: the caller should exit non-zero; the reason is on standard
    // error. When the socket merely cannot be set up the program is let run as `primary`,
    // without the guard, after one line on standard error.
    Role start();

    QString socketPath() const { return m_socketPath; }

Q_SIGNALS:
    // A later start sent the request.
    void requested();

private:
    void warn(const QString& message) const;

    QString m_program;
    QByteArray m_request;
    QString m_socketPath;
    UnixLineServer* m_server = nullptr;
};
