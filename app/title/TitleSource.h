// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/state/MenuBarFormat.h"
#include "app/title/TitleOptions.h"
#include "calendar/Instant.h"
#include "calendar/LeapRule.h"

#include <optional>
#include <string>

// The line to print, its format and leap-year rule: those given on the command line, or those
// stored in Quintaval's settings, which it reads but never writes.
class TitleSource
{
public:
    explicit TitleSource(const TitleOptions& options);

    std::string line(Instant now) const;

    // When line() can next read differently, settings and zone staying as they are.
    Instant nextChange(Instant now) const;

    // The settings file whose changes matter, or none when the format and the rule were given.
    std::optional<std::string> settingsFile() const;

    // Reads what was not given from the settings again.
    void reloadSettings();

private:
    std::optional<MenuBarFormat> m_givenFormat;
    std::optional<LeapRule> m_givenRule;
    bool m_json = false;
    bool m_genmon = false;
    MenuBarFormat m_format = MenuBarFormat::dateAndTime;
    LeapRule m_rule = LeapRule::continuous;
    // An unknown stored rule is said once, not on every change of the file while --follow runs.
    std::optional<std::string> m_reportedRule;
};
