// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class UnixLineServer;

// Keeps quintaval-widgets to one process per user: a second start would put every placed
// widget on the desktop twice. The second one asks the first to open its gallery instead.
class HostInstance final : public QObject
{
    Q_OBJECT

public:
    enum class Contact { handedOver, nobodyThere, refused };

    // `socketPath`: where the running host listens; the user's own place unless given.
    explicit HostInstance(QString socketPath = {}, QObject* parent = nullptr);

    // `handedOver` when a host already runs and has been asked to open its gallery; `refused`
    // (with the reason in errorString()) when the socket's folder, the socket or whoever listens
    // on it belongs to another user, which must not pass for a running host.
    Contact handOverToRunningHost();
    // Becomes the running host; false (with the reason in errorString()) when that fails.
    bool listen();
    QString errorString() const;
    QString socketPath() const { return m_path; }

Q_SIGNALS:
    void galleryRequested();

private:
    QString m_path;
    QString m_problem;
    UnixLineServer* m_server = nullptr;
};
