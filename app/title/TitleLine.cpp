// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/title/TitleLine.h"

#include "app/state/DailyItemTexts.h"
#include "app/state/TitleText.h"
#include "calendar/DailyItems.h"
#include "calendar/LocalCalendar.h"

#include <QChar>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <chrono>

namespace {

using std::chrono::seconds;

constexpr std::int64_t secondsPerDay = 86400;
constexpr std::int64_t decimalMinutesPerDay = 1000;

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::int64_t floorMod(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t remainder = value % divisor;
    return remainder < 0 ? remainder + divisor : remainder;
}

Instant wholeSecond(Instant instant)
{
    return std::chrono::floor<seconds>(instant);
}

std::int64_t utcOffset(Instant instant)
{
    const Instant second = wholeSecond(instant);
    return LocalCalendar::wallClockSeconds(second) -
           std::chrono::duration_cast<seconds>(second.time_since_epoch()).count();
}

// The first whole second in (from, until] whose UTC offset differs from the one at `from`, given
// that the offset at `until` does.
Instant offsetChange(Instant from, Instant until)
{
    const std::int64_t before = utcOffset(from);
    Instant low = wholeSecond(from);
    Instant high = wholeSecond(until);
    while (high - low > seconds{1}) {
        const Instant middle = low + std::chrono::floor<seconds>((high - low) / 2);
        (utcOffset(middle) == before ? low : high) = middle;
    }
    return high;
}

} // namespace

namespace TitleLine {

std::string render(Instant now, MenuBarFormat format, bool json)
{
    const RevolutionaryDate today = RevolutionaryCalendar::fromGregorian(now);
    const DecimalTime time = RevolutionaryCalendar::toDecimalTime(now);
    const std::string title = TitleText::menuBarText(today, time, format);
    if (!json) {
        return title;
    }
    const QJsonObject object{{QStringLiteral("text"), fromUtf8(title)},
                             {QStringLiteral("tooltip"), fromUtf8(tooltip(today, time))},
                             {QStringLiteral("class"), fromUtf8(monthClass(today.month))}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

std::string tooltip(const RevolutionaryDate& date, const DecimalTime& time)
{
    std::string text{RevolutionaryCalendar::dayNames.at(static_cast<std::size_t>(date.decadeDay - 1))};
    text += ' ';
    text += date.formatted();
    text += '\n';
    text += TitleText::timeText(time);
    text += " d\u00E9cimal\n";
    if (const auto item = DailyItems::item(date)) {
        text += item->emoji;
        text += ' ';
        text += DailyItemTexts::nameLine(*item).toStdString();
    } else {
        text += RevolutionaryCalendar::monthEmojis.at(static_cast<std::size_t>(date.month - 1));
        text += ' ';
        text += RevolutionaryCalendar::sansculottidesNames.at(static_cast<std::size_t>(date.day - 1));
    }
    return text;
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
    return json || format == MenuBarFormat::dateAndTime || format == MenuBarFormat::decimalTime;
}

Instant nextChange(Instant now, bool showsTime)
{
    // Decimal time is read from whole civil seconds, so every change falls on a whole second:
    // decimal minute m begins at the first civil second s with s * 1000 >= m * 86400.
    const std::int64_t secondOfDay = floorMod(LocalCalendar::wallClockSeconds(now), secondsPerDay);
    std::int64_t nextSecond = secondsPerDay;
    if (showsTime) {
        const std::int64_t minute = secondOfDay * decimalMinutesPerDay / secondsPerDay;
        nextSecond = ((minute + 1) * secondsPerDay + decimalMinutesPerDay - 1) / decimalMinutesPerDay;
    }
    const Instant candidate = wholeSecond(now) + seconds{nextSecond - secondOfDay};
    return utcOffset(candidate) == utcOffset(now) ? candidate : offsetChange(now, candidate);
}

} // namespace TitleLine
