// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/LeapRuleChoice.h"

#include "app/state/LeapRuleWords.h"
#include "app/state/PreferenceKeys.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate(LeapRuleWords::context, text);
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
    return translated(LeapRuleWords::name(rule));
}

QString explanation(LeapRule rule)
{
    return translated(LeapRuleWords::explanation(rule));
}

QString summary(LeapRule rule)
{
    return translated(LeapRuleWords::summary(rule));
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
