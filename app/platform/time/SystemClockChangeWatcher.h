// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/ClockChangeWatcher.h"
#include "app/platform/time/WallClockTimer.h"

#include <QSocketNotifier>

#include <optional>

// Clock sets come from the kernel (a wall-clock alarm that is cancelled when the clock is set,
// which also happens on resume); resumes are confirmed by logind's PrepareForSleep(false) on
// the system bus, where there is one.
class SystemClockChangeWatcher final : public ClockChangeWatcher
{
    Q_OBJECT

public:
    explicit SystemClockChangeWatcher(QObject* parent = nullptr);

private Q_SLOTS:
    void prepareForSleep(bool sleeping);

private:
    void clockSetReadable();

    WallClockTimer m_timer{true};
    std::optional<QSocketNotifier> m_notifier;
};
