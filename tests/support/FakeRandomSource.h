// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/RandomSource.h"

#include <deque>

// Hands out the numbers queued by the test (modulo the bound), then zeros.
class FakeRandomSource final : public RandomSource
{
public:
    std::uint32_t below(std::uint32_t bound) override
    {
        ++m_draws;
        if (m_queued.empty()) {
            return 0;
        }
        const std::uint32_t next = m_queued.front() % bound;
        m_queued.pop_front();
        return next;
    }

    void queue(std::uint32_t value) { m_queued.push_back(value); }
    int draws() const { return m_draws; }

private:
    std::deque<std::uint32_t> m_queued;
    int m_draws = 0;
};
