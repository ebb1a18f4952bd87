// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Tells when the connection to the session bus is lost. The bus goes away with the session: the
// status item, the reminders and the colour scheme all went with it, and no later start could
// reach a program that stayed on without it.
class SessionBusWatch final : public QObject
{
    Q_OBJECT

public:
    // Watches the session bus the program is connected to; with none, nothing can be lost.
    explicit SessionBusWatch(QObject* parent = nullptr);

Q_SIGNALS:
    void lost();

private Q_SLOTS:
    void disconnected();
};
