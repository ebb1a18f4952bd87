// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/TimeZoneWatcher.h"

class FakeTimeZoneWatcher final : public TimeZoneWatcher
{
public:
    void onChange(std::function<void()> changed) override { m_changed = std::move(changed); }
    void reportChange() const { m_changed(); }

private:
    std::function<void()> m_changed;
};
