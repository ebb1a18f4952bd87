// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/AppTheme.h"

#include <QtGlobal>

namespace AppThemes {

std::string_view rawValue(AppTheme theme)
{
    return theme == AppTheme::sepiaNight ? "sepiaNight" : "light";
}

std::string_view displayName(AppTheme theme)
{
    return theme == AppTheme::sepiaNight ? QT_TRANSLATE_NOOP("AppTheme", "Sepia night")
                                         : QT_TRANSLATE_NOOP("AppTheme", "Light parchment");
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
