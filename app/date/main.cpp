// SPDX-License-Identifier: GPL-3.0-or-later
// quintaval-date: a date read either way between the civil and the Republican calendars, and the
// Republican days as an iCalendar file.

#include "app/date/DateOptions.h"
#include "app/date/DateReport.h"
#include "app/platform/files/SettingsPreferences.h"
#include "app/platform/files/TranslationLoader.h"
#include "app/state/DateQuery.h"
#include "app/state/IcsCalendar.h"
#include "app/state/LeapRuleChoice.h"
#include "app/state/PreferenceKeys.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

namespace {

class Help
{
    Q_DECLARE_TR_FUNCTIONS(DateHelp)
};

std::string usage()
{
    return Help::tr("Usage: quintaval-date [--leap-rule RULE] [--json] DATE\n"
                    "       quintaval-date [--leap-rule RULE] --ics FROM TO\n"
                    "\n"
                    "Reads DATE in either calendar and prints it in the other. A civil date (1799-11-09,\n"
                    "or as this locale writes dates) gives the Republican date, its day of the decade and\n"
                    "the day's plant, animal, tool or mineral; a Republican date (\"18 Brumaire an VIII\",\n"
                    "\"18 brumaire 8\", \"3 Sans-culottides an III\") gives the civil date, ISO 8601 first.\n"
                    "Days from 1 Vendemiaire an I (22 September 1792) to 31 December 9999.\n"
                    "\n"
                    "  --leap-rule RULE   how the leap years are reckoned, one of continuous (the\n"
                    "                     default), romme, madler or equinox. Without it, the rule chosen\n"
                    "                     in Quintaval's settings is used.\n"
                    "  --json             print one JSON object with both dates and the day's item.\n"
                    "  --ics FROM TO      write the days from FROM to TO (either calendar, at most a\n"
                    "                     hundred years) as an iCalendar file on standard output: one\n"
                    "                     all-day event a day, which a calendar program imports again\n"
                    "                     without doubling.\n"
                    "  -h, --help         show this help and exit\n"
                    "  --version          show the version and exit\n"
                    "\n"
                    "Examples:\n"
                    "  quintaval-date 1799-11-09\n"
                    "  quintaval-date \"18 Brumaire an VIII\"\n"
                    "  quintaval-date --ics 2026-01-01 2026-12-31 > republican.ics\n"
                    "\n"
                    "Exit status: 0 on success, 1 when the output cannot be written, 2 for a bad option\n"
                    "or a date that does not exist.\n")
        .toStdString();
}

int bad(const QString& message)
{
    std::fprintf(stderr, "quintaval-date: %s\n", message.toLocal8Bit().constData());
    return 2;
}

int print(const std::string& text)
{
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication application(argc, argv);
    TranslationLoader::install(TranslationLoader::directoryForRunningProgram());

    const ParsedDateOptions parsed = DateOptionsParser::parse(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.error) {
        return bad(QString::fromStdString(*parsed.error));
    }
    const DateOptions& options = parsed.options;
    if (options.help || options.version) {
        return print(options.help ? usage() : "quintaval-date " QUINTAVAL_VERSION "\n");
    }

    LeapRule rule = LeapRule::continuous;
    if (options.leapRule) {
        rule = *options.leapRule;
    } else {
        std::optional<std::string> reported;
        rule = LeapRuleChoice::read(SettingsPreferences(PreferenceKeys::schema()), reported);
    }

    const QLocale locale;
    if (options.icsFrom) {
        const DateReading first = DateQuery::read(QString::fromStdString(*options.icsFrom), rule, locale);
        const DateReading last = DateQuery::read(QString::fromStdString(*options.icsTo), rule, locale);
        for (const DateReading* reading : {&first, &last}) {
            if (!reading->dayNumber) {
                return bad(reading->error);
            }
        }
        if (const QString error = IcsCalendar::rangeError(*first.dayNumber, *last.dayNumber); !error.isEmpty()) {
            return bad(error);
        }
        return print(IcsCalendar::write(*first.dayNumber, *last.dayNumber, rule, currentInstant()));
    }

    const DateReading reading = DateQuery::read(QString::fromStdString(options.date), rule, locale);
    if (!reading.dayNumber) {
        return bad(reading.error);
    }
    if (options.json) {
        return print(DateReport::json(*reading.dayNumber, rule, locale));
    }
    return print(reading.republican ? DateReport::gregorian(*reading.dayNumber, locale)
                                    : DateReport::republican(*reading.dayNumber, rule, locale));
}
