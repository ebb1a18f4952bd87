// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/state/MenuBarFormat.h"
#include "app/title/TitleOptions.h"
#include "calendar/Instant.h"

#include <optional>
#include <string>

// The line to print and its format: the one given on the command line, or the one stored in
// Quintaval's settings, which it reads but never writes.
class TitleSource
{
public:
    explicit TitleSource(const TitleOptions& options);

    std::string line(Instant now) const;

    // When line() can next read differently, settings and zone staying as they are.
    Instant nextChange(Instant now) const;

    // The settings file whose changes matter, or none when the format was given.
    std::optional<std::string> settingsFile() const;

    // Reads the stored format again; nothing when the format was given.
    void reloadSettings();

private:
    std::optional<MenuBarFormat> m_given;
    bool m_json = false;
    MenuBarFormat m_format = MenuBarFormat::dateAndTime;
};
