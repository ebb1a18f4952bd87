// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/RandomSource.h"

// QRandomGenerator's process-wide generator, seeded by the system.
class SystemRandomSource final : public RandomSource
{
public:
    std::uint32_t below(std::uint32_t bound) override;
};
