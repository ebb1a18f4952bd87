// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/Preferences.h"
#include "app/state/AppTheme.h"
#include "app/state/MenuBarFormat.h"
#include "app/state/TitleChoices.h"
#include "calendar/LeapRule.h"
#include "common/SharedSettings.h"

// The choices are stored by their raw values (the leap-year rule by its name); any other text reads as none.
template <typename Choice, std::optional<Choice> (*fromRawValue)(std::string_view),
          std::string_view (*rawValue)(Choice)>
struct RawValueCodec
{
    static std::optional<Choice> decode(const QVariant& stored)
    {
        const auto text = PreferenceCodec<QString>::decode(stored);
        return text ? fromRawValue(text->toStdString()) : std::nullopt;
    }
    static QVariant encode(Choice choice)
    {
        const std::string_view raw = rawValue(choice);
        return QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
    }
};

template <>
struct PreferenceCodec<MenuBarFormat>
    : RawValueCodec<MenuBarFormat, MenuBarFormats::fromRawValue, MenuBarFormats::rawValue>
{};

template <>
struct PreferenceCodec<AppTheme> : RawValueCodec<AppTheme, AppThemes::fromRawValue, AppThemes::rawValue>
{};

template <>
struct PreferenceCodec<LeapRule> : RawValueCodec<LeapRule, leapRuleFromName, leapRuleName>
{};

// Every setting the program keeps, with what it reads as when absent or unusable. The values a
// first launch writes are the owners' business (SoundManager, NotificationManager).
namespace PreferenceKeys {

inline constexpr PreferenceKey<MenuBarFormat> menuBarFormat{SharedSettings::menuBarFormatKey, TitleChoices{}.format};
inline constexpr PreferenceKey<AppTheme> appTheme{"appTheme", AppTheme::light};
// The desktop widget reads this one too, hence its name's home. Read through LeapRuleChoice::read,
// which says when the stored name is unknown.
inline constexpr PreferenceKey<LeapRule> leapRule{SharedSettings::leapRuleKey, TitleChoices{}.leapRule};
// Whether the status item's icon carries the day's number, for trays that show icons alone.
inline constexpr PreferenceKey<bool> iconShowsDay{"iconShowsDay", false};
inline constexpr PreferenceKey<bool> soundEnabled{"soundEnabled", false};
inline constexpr PreferenceKey<bool> hasLaunchedBefore{"hasLaunchedBefore", false};
inline constexpr PreferenceKey<bool> notificationsConfigured{"notificationsConfigured", false};
inline constexpr PreferenceKey<bool> notificationsEnabled{"notificationsEnabled", false};
// An hour or minute no clock shows (a hand-edited file) reads like a missing one.
inline constexpr PreferenceKey<int> notificationHour{"notificationHour", 0, 0, 23};
inline constexpr PreferenceKey<int> notificationMinute{"notificationMinute", 0, 0, 59};

// A settings file that exists but cannot be read is not a first launch: the first-launch writes
// would switch the chime and reminders back on against what the user stored. Until the file can
// be read both stay off.
inline PreferenceSchema schema()
{
    const auto name = [](auto key) { return QString::fromLatin1(key.name); };
    return {{name(menuBarFormat), name(appTheme), name(leapRule), name(iconShowsDay), name(soundEnabled),
             name(hasLaunchedBefore), name(notificationsConfigured), name(notificationsEnabled), name(notificationHour),
             name(notificationMinute)},
            {{name(hasLaunchedBefore), true},
             {name(notificationsConfigured), true},
             {name(soundEnabled), false},
             {name(notificationsEnabled), false}}};
}

} // namespace PreferenceKeys
