// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/AppTheme.h"

#include <QtGlobal>

namespace AppThemes {

std::string_view rawValue(AppTheme theme)
{
    switch (theme) {
    case AppTheme::sepiaNight:
        return "sepiaNight";
    case AppTheme::desktop:
        return "desktop";
    case AppTheme::light:
        break;
    }
    return "light";
}

std::string_view displayName(AppTheme theme)
{
    switch (theme) {
    case AppTheme::sepiaNight:
        return QT_TRANSLATE_NOOP("AppTheme", "Sepia night");
    case AppTheme::desktop:
        return QT_TRANSLATE_NOOP("AppTheme", "Desktop");
    case AppTheme::light:
        break;
    }
    return QT_TRANSLATE_NOOP("AppTheme", "Light parchment");
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
