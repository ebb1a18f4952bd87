// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>

// A callback repeated at a fixed interval on the main thread's event loop, for as long as the
// timer object lives.
class RepeatingTimer
{
public:
    virtual ~RepeatingTimer() = default;

    // Starts (or restarts) the timer; the first call of `tick` comes one interval from now.
    virtual void start(std::chrono::milliseconds interval, std::function<void()> tick) = 0;
};
