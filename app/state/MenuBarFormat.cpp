// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/MenuBarFormat.h"

#include "app/state/SourceTexts.h"

namespace {

struct FormatNames
{
    std::string_view raw;
    std::string_view display;
};

constexpr std::array<FormatNames, 4> names{{
    {"dateAndTime", QT_TRANSLATE_NOOP("MenuBarFormat", "Date & decimal time")},
    {"date", QT_TRANSLATE_NOOP("MenuBarFormat", "Date only")},
    {"decimalTime", QT_TRANSLATE_NOOP("MenuBarFormat", "Decimal time only")},
    {"dayNumber", QT_TRANSLATE_NOOP("MenuBarFormat", "Day number only")},
}};

const FormatNames& namesOf(MenuBarFormat format)
{
    return names.at(static_cast<std::size_t>(format));
}

} // namespace

namespace MenuBarFormats {

std::string_view rawValue(MenuBarFormat format)
{
    return namesOf(format).raw;
}

std::string_view displayName(MenuBarFormat format)
{
    return namesOf(format).display;
}

std::optional<MenuBarFormat> fromRawValue(std::string_view raw)
{
    for (const MenuBarFormat format : allCases) {
        if (rawValue(format) == raw) {
            return format;
        }
    }
    return std::nullopt;
}

} // namespace MenuBarFormats
