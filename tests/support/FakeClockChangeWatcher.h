// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/ClockChangeWatcher.h"

// Reports a clock set or a resume when the test says so.
class FakeClockChangeWatcher final : public ClockChangeWatcher
{
public:
    void reportChange() { Q_EMIT clockChanged(); }
};
