// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QObject>

// Keeps quintaval-widgets to one process per user: a second start would put every placed
// widget on the desktop twice. The second one asks the first to open its gallery instead.
class HostInstance final : public QObject
{
    Q_OBJECT

public:
    explicit HostInstance(QObject* parent = nullptr);

    // True when a host already runs and has been asked to open its gallery.
    bool handOverToRunningHost();
    // Becomes the running host; false (with the reason in errorString()) when that fails.
    bool listen();
    QString errorString() const { return m_server.errorString(); }

Q_SIGNALS:
    void galleryRequested();

private:
    QString m_name;
    QLocalServer m_server;
};
