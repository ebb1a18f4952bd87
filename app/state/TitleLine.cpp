// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/TitleLine.h"

#include "app/state/Catalog.h"
#include "app/state/DecimalBoundaries.h"
#include "app/state/TitleText.h"
#include "app/state/TitleTooltip.h"

#include <QChar>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

namespace TitleLine {

std::string render(Instant now, MenuBarFormat format, bool json, LeapRule rule)
{
    const RevolutionaryDate today = RevolutionaryCalendar::fromGregorian(now, rule);
    const DecimalTime time = RevolutionaryCalendar::toDecimalTime(now);
    const std::string title = TitleText::menuBarText(today, time, format);
    if (!json) {
        return title;
    }
    const QJsonObject object{{QStringLiteral("text"), fromUtf8(title)},
                             {QStringLiteral("tooltip"), fromUtf8(tooltip(today, time, rule))},
                             {QStringLiteral("class"), fromUtf8(monthClass(today.month))}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

std::string tooltip(const RevolutionaryDate& date, const DecimalTime& time, LeapRule rule)
{
    return TitleTooltip::text(date, time, rule, Catalog::translate);
}

std::string monthClass(std::int64_t month)
{
    const QString decomposed = fromUtf8(RevolutionaryCalendar::monthNames.at(static_cast<std::size_t>(month - 1)))
                                   .normalized(QString::NormalizationForm_D);
    std::string name;
    for (const QChar character : decomposed) {
        if (character.unicode() < 0x80) {
            name += static_cast<char>(character.toLower().unicode());
        }
    }
    return name;
}

bool showsTime(MenuBarFormat format, bool json)
{
    return json || TitleText::showsTime(format);
}

Instant nextChange(Instant now, bool showsTime)
{
    return DecimalBoundaries::next(now, showsTime ? DecimalBoundaries::Unit::minute : DecimalBoundaries::Unit::day);
}

} // namespace TitleLine
