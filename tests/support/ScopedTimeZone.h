// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Switches the process to another time zone for the life of the object, then restores the
// one before. Tests run on one thread, so the process-wide switch is safe there.
class ScopedTimeZone final
{
public:
    explicit ScopedTimeZone(const char* zone);
    ~ScopedTimeZone();
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    bool m_hadZone = false;
    std::string m_previousZone;
};
