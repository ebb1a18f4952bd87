// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

// The panel's colour scheme. Stored in the preferences by its raw value.
enum class AppTheme { light, sepiaNight };

namespace AppThemes {

// In the order the settings window offers them.
inline constexpr std::array<AppTheme, 2> allCases{AppTheme::light, AppTheme::sepiaNight};

// "light", "sepiaNight".
std::string_view rawValue(AppTheme theme);

// "Light parchment", "Sepia night", in English; translated in the context "AppTheme".
std::string_view displayName(AppTheme theme);

// The theme whose raw value is exactly `raw` (case-sensitive), or none.
std::optional<AppTheme> fromRawValue(std::string_view raw);

} // namespace AppThemes
