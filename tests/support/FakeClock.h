// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/Clock.h"

// A clock that stands still until the test moves it.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(Instant start = {}) : m_now(start) {}

    Instant now() const override { return m_now; }

    void set(Instant instant) { m_now = instant; }
    void advance(std::chrono::microseconds by) { m_now += by; }

private:
    Instant m_now;
};
