// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

// The panel's colour scheme. Stored in the preferences by its raw value. `desktop` shows one of
// the other two, as the desktop prefers light or dark.
enum class AppTheme { light, sepiaNight, desktop };

namespace AppThemes {

// In the order the settings window offers them.
inline constexpr std::array<AppTheme, 3> allCases{AppTheme::light, AppTheme::sepiaNight, AppTheme::desktop};

// "light", "sepiaNight", "desktop".
std::string_view rawValue(AppTheme theme);

// "Light parchment", "Sepia night", "Desktop", in English; translated in the context "AppTheme".
std::string_view displayName(AppTheme theme);

// The theme whose raw value is exactly `raw` (case-sensitive), or none.
std::optional<AppTheme> fromRawValue(std::string_view raw);

} // namespace AppThemes
