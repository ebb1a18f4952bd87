// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// Tells when the system's time zone may have changed. Watching costs nothing until it does.
class TimeZoneWatcher
{
public:
    virtual ~TimeZoneWatcher() = default;

    // `changed` runs on the main thread after each change; a later call replaces it.
    virtual void onChange(std::function<void()> changed) = 0;
};
