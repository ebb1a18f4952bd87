// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Uniformly distributed random integers.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // An integer from 0 to bound - 1, each equally likely; bound must be positive.
    virtual std::uint32_t below(std::uint32_t bound) = 0;
};
