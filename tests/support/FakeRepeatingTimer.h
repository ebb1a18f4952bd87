// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/RepeatingTimer.h"

// A timer that fires only when the test says so.
class FakeRepeatingTimer final : public RepeatingTimer
{
public:
    void start(std::chrono::milliseconds interval, std::function<void()> tick) override
    {
        m_interval = interval;
        m_tick = std::move(tick);
    }

    bool isRunning() const { return static_cast<bool>(m_tick); }
    std::chrono::milliseconds interval() const { return m_interval; }
    void fire() const { m_tick(); }

private:
    std::chrono::milliseconds m_interval{0};
    std::function<void()> m_tick;
};
