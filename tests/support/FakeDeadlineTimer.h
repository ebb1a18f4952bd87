// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/DeadlineTimer.h"

#include <optional>
#include <utility>

// A deadline that comes only when the test says so; it remembers the instant asked for.
class FakeDeadlineTimer final : public DeadlineTimer
{
public:
    void wakeAt(Instant at, std::function<void()> due) override
    {
        m_at = at;
        m_due = std::move(due);
    }

    // The instant of the pending request, none once it has fired.
    std::optional<Instant> deadline() const { return m_due ? std::optional<Instant>(m_at) : std::nullopt; }
    int fired() const { return m_fired; }

    // Runs the pending request as if its time had come.
    void fire()
    {
        std::function<void()> due = std::exchange(m_due, nullptr);
        ++m_fired;
        due();
    }

private:
    Instant m_at{};
    std::function<void()> m_due;
    int m_fired = 0;
};
