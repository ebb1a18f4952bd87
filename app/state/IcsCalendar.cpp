// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/IcsCalendar.h"

#include "calendar/DailyItems.h"
#include "calendar/RevolutionaryCalendar.h"

#include <QCoreApplication>
#include <QDate>

#include <cstdio>

namespace {

class Messages
{
    Q_DECLARE_TR_FUNCTIONS(IcsCalendar)
};

// TEXT values escape these four, RFC 5545 section 3.3.11.
std::string escaped(std::string_view text)
{
    std::string result;
    for (const char character : text) {
        if (character == '\\' || character == ';' || character == ',') {
            result += '\\';
        } else if (character == '\n') {
            result += "\\n";
            continue;
        }
        result += character;
    }
    return result;
}

std::string basicDate(std::int64_t dayNumber)
{
    return QDate(1970, 1, 1).addDays(dayNumber).toString(QStringLiteral("yyyyMMdd")).toStdString();
}

std::string utcStamp(Instant stamp)
{
    const std::int64_t seconds = std::chrono::floor<std::chrono::seconds>(stamp).time_since_epoch().count();
    const std::int64_t day = seconds / 86400 - (seconds % 86400 < 0 ? 1 : 0);
    const std::int64_t second = seconds - day * 86400;
    char text[24];
    std::snprintf(text, sizeof text, "%sT%02lld%02lld%02lldZ", basicDate(day).c_str(),
                  static_cast<long long>(second / 3600), static_cast<long long>(second / 60 % 60),
                  static_cast<long long>(second % 60));
    return text;
}

} // namespace

namespace IcsCalendar {

std::int64_t lastAllowed(std::int64_t first)
{
    const QDate epoch(1970, 1, 1);
    return epoch.daysTo(epoch.addDays(first).addYears(100)) - 1;
}

QString rangeError(std::int64_t first, std::int64_t last)
{
    if (last < first) {
        return Messages::tr("The last day comes before the first");
    }
    if (last > lastAllowed(first)) {
        return Messages::tr("At most a hundred years can be exported at once");
    }
    return {};
}

std::string folded(std::string_view line)
{
    std::string result;
    std::size_t start = 0;
    std::size_t room = 75;
    while (line.size() - start > room) {
        std::size_t end = start + room;
        // Back off to the first octet of a character: continuation octets are 10xxxxxx.
        while (end > start && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) {
            --end;
        }
        result.append(line.substr(start, end - start));
        result += "\r\n ";
        start = end;
        room = 74;
    }
    result.append(line.substr(start));
    result += "\r\n";
    return result;
}

std::string write(std::int64_t first, std::int64_t last, LeapRule rule, Instant stamp)
{
    const std::string dtstamp = utcStamp(stamp);
    const std::string_view ruleName = leapRuleName(rule);
    std::string text = folded("BEGIN:VCALENDAR") + folded("VERSION:2.0") +
                       folded("PRODID:-//Quintaval//French Republican calendar//EN") + folded("CALSCALE:GREGORIAN") +
                       folded("METHOD:PUBLISH") + folded("X-WR-CALNAME:Calendrier républicain");
    for (std::int64_t day = first; day <= last; ++day) {
        const RevolutionaryDate date = RevolutionaryCalendar::fromDayNumber(day, rule);
        std::string summary = date.formatted() + " · ";
        std::string description{RevolutionaryCalendar::dayNames.at(static_cast<std::size_t>(date.decadeDay - 1))};
        if (const auto item = DailyItems::item(date)) {
            summary += item->frenchName;
            description +=
                "\n" + std::string(item->name) + " (" + std::string(DailyItems::categoryText(item->category)) + ")";
        } else {
            summary += RevolutionaryCalendar::sansculottidesNames.at(static_cast<std::size_t>(date.day - 1));
            description += "\nComplementary day (festival)";
        }
        const std::string civil = basicDate(day);
        text += folded("BEGIN:VEVENT");
        text += folded("UID:" + civil + "-" + std::string(ruleName) + "@quintaval");
        text += folded("DTSTAMP:" + dtstamp);
        text += folded("DTSTART;VALUE=DATE:" + civil);
        text += folded("DTEND;VALUE=DATE:" + basicDate(day + 1));
        text += folded("SUMMARY:" + escaped(summary));
        text += folded("DESCRIPTION:" + escaped(description));
        text += folded("TRANSP:TRANSPARENT");
        text += folded("END:VEVENT");
    }
    text += folded("END:VCALENDAR");
    return text;
}

} // namespace IcsCalendar
