// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/RepeatingTimer.h"

#include <QTimer>

// A precise QTimer of the thread that creates it (the main thread, for the program's timers).
class EventLoopTimer final : public RepeatingTimer
{
public:
    EventLoopTimer();

    void start(std::chrono::milliseconds interval, std::function<void()> tick) override;

private:
    QTimer m_timer;
    std::function<void()> m_tick;
};
