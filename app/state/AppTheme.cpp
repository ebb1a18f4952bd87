// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/AppTheme.h"

namespace AppThemes {

std::string_view rawValue(AppTheme theme)
{
    return theme == AppTheme::sepiaNight ? "sepiaNight" : "light";
}

std::string_view displayName(AppTheme theme)
{
    return theme == AppTheme::sepiaNight ? "Sepia night" : "Light parchment";
}

std::optional<AppTheme> fromRawValue(std::string_view raw)
{
    for (const AppTheme theme : allCases) {
        if (rawValue(theme) == raw) {
            return theme;
        }
    }
    return std::nullopt;
}

} // namespace AppThemes
