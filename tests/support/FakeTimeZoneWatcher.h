// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/TimeZoneWatcher.h"

// Reports a change of zone when the test says so.
class FakeTimeZoneWatcher final : public TimeZoneWatcher
{
public:
    void reportChange() { Q_EMIT changed(); }
};
