// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/LeapRuleChoice.h"

#include "app/state/PreferenceKeys.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

struct RuleTexts
{
    const char* name;
    const char* explanation;
    const char* summary;
};

// Indexed by the rule. Romme's and von Mädler's years part from the continuous ones at 19/20, which
// is where their summaries start counting.
constexpr std::array<RuleTexts, 4> texts{{
    {QT_TRANSLATE_NOOP("LeapRule", "Continuous"),
     QT_TRANSLATE_NOOP("LeapRule", "Years 3, 7, 11, 15… every fourth year, with no century rule (the default)"),
     QT_TRANSLATE_NOOP("LeapRule", "Leap years: continuous (3, 7, 11…)")},
    {QT_TRANSLATE_NOOP("LeapRule", "Romme"),
     QT_TRANSLATE_NOOP("LeapRule",
                       "Years 3, 7, 11, 15, then every fourth year from 20; centuries only when divisible by 400"),
     QT_TRANSLATE_NOOP("LeapRule", "Leap years: Romme (20, 24, 28…)")},
    {QT_TRANSLATE_NOOP("LeapRule", "von Mädler"),
     QT_TRANSLATE_NOOP("LeapRule", "Years 3, 7, 11, 15, then every fourth year from 20, except every 128th"),
     QT_TRANSLATE_NOOP("LeapRule", "Leap years: von Mädler (20, 24, 28…)")},
    {QT_TRANSLATE_NOOP("LeapRule", "Equinox"),
     QT_TRANSLATE_NOOP("LeapRule",
                       "Each year begins on the day of the autumn equinox at Paris, as the decree of 1793 said"),
     QT_TRANSLATE_NOOP("LeapRule", "Leap years: by the equinox at Paris")},
}};

const RuleTexts& textsOf(LeapRule rule)
{
    return texts.at(static_cast<std::size_t>(rule));
}

QString translated(const char* text)
{
    return QCoreApplication::translate("LeapRule", text);
}

// What a hand-edited file may hold instead of a name: a list (a value with commas) or nothing readable.
QString shown(const QVariant& stored)
{
    return stored.typeId() == QMetaType::QStringList ? stored.toStringList().join(QLatin1String(", "))
                                                     : stored.toString();
}

} // namespace

namespace LeapRuleChoice {

QString displayName(LeapRule rule)
{
    return translated(textsOf(rule).name);
}

QString explanation(LeapRule rule)
{
    return translated(textsOf(rule).explanation);
}

QString summary(LeapRule rule)
{
    return translated(textsOf(rule).summary);
}

LeapRule read(const Preferences& preferences, std::optional<std::string>& reported)
{
    const auto& key = PreferenceKeys::leapRule;
    const QVariant stored = preferences.value(key.name);
    if (!stored.isValid() || PreferenceCodec<LeapRule>::decode(stored)) {
        return preferences.read(key);
    }
    const QString value = shown(stored);
    if (reported != value.toStdString()) {
        reported = value.toStdString();
        // The file stays as it is: the user may have meant a rule a later version knows.
        const std::string_view fallback = leapRuleName(key.fallback);
        qWarning().noquote() << QStringLiteral("Quintaval: the settings' %1 '%2' names no leap-year rule; using %3")
                                    .arg(QLatin1String(key.name), value,
                                         QString::fromLatin1(fallback.data(), static_cast<qsizetype>(fallback.size())));
    }
    return key.fallback;
}

} // namespace LeapRuleChoice
