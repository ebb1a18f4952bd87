// SPDX-License-Identifier: GPL-3.0-or-later
// quintaval-title: Quintaval's status-bar title for bars that run a command.

#include "app/platform/files/TranslationLoader.h"
#include "app/state/TitleText.h"
#include "app/title/FollowLoop.h"
#include "app/title/LineOutput.h"
#include "app/title/TitleOptions.h"
#include "app/title/TitleSource.h"
#include "calendar/LocalCalendar.h"

#include <QCoreApplication>

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

namespace {

class Help
{
    Q_DECLARE_TR_FUNCTIONS(TitleHelp)
};

std::string usage()
{
    // The samples are made the way the title is, so they cannot drift from it.
    const RevolutionaryDate sampleDay{235, 3, 15, 5};
    const DecimalTime sampleTime{4, 44, 0};
    std::string formats;
    for (const MenuBarFormat format : MenuBarFormats::allCases) {
        std::string name{MenuBarFormats::rawValue(format)};
        name.resize(14, ' ');
        formats += "                     " + name + TitleText::menuBarText(sampleDay, sampleTime, format) + '\n';
    }
    const QString text =
        Help::tr("Usage: quintaval-title [--format FORMAT] [--leap-rule RULE] [--at DATE]\n"
                 "                       [--json | --genmon] [--follow | --changed-from LINE]\n"
                 "\n"
                 "Prints Quintaval's status-bar title for the present moment: the day in the French\n"
                 "Republican calendar and the time in decimal time (10 hours of 100 minutes).\n"
                 "\n"
                 "  --format FORMAT    the title's format, one of\n"
                 "%1"
                 "                     Without it, the format chosen in Quintaval's settings is used\n"
                 "                     ($XDG_CONFIG_HOME/Quintaval/Quintaval.conf; dateAndTime if none).\n"
                 "  --leap-rule RULE   how the leap years are reckoned, one of continuous (years 3, 7,\n"
                 "                     11, 15…, the default), romme, madler or equinox. Without it,\n"
                 "                     the rule chosen in Quintaval's settings is used.\n"
                 "  --at DATE          show DATE instead of the present moment: YYYY-MM-DD,\n"
                 "                     YYYY-MM-DDTHH:MM or YYYY-MM-DDTHH:MM:SS in local time, from\n"
                 "                     %2 to %3.\n"
                 "  --follow           keep running and print a new line each time the text changes:\n"
                 "                     each decimal minute (86.4 s) or, for date and dayNumber, at\n"
                 "                     midnight; also when the clock is set, the time zone or the\n"
                 "                     chosen format or leap-year rule changes. Ends quietly when its\n"
                 "                     reader goes away.\n"
                 "  --changed-from LINE\n"
                 "                     print the line once it reads otherwise than LINE, then exit:\n"
                 "                     at once when it already does, else at its next change, on the\n"
                 "                     same wake-ups as --follow. For panels that run the command\n"
                 "                     again each time it ends, passing the line they show (Quintaval's\n"
                 "                     Plasma widget does): no change is missed between two runs.\n"
                 "  --json             print waybar's JSON object instead: \"text\" (the title),\n"
                 "                     \"tooltip\" (the full date, the day of the décade, the decimal\n"
                 "                     time, the day's plant, animal, tool or mineral and the leap-year\n"
                 "                     rule) and \"class\" (the month, such as \"frimaire\"); one object\n"
                 "                     per line.\n"
                 "  --genmon           print the title for XFCE's generic monitor plugin instead: the\n"
                 "                     text, the tooltip --json gives and a click that opens\n"
                 "                     Quintaval's panel. Made without Qt, so that running it every\n"
                 "                     few seconds costs little.\n"
                 "  -h, --help         show this help and exit\n"
                 "  --version          show the version and exit\n"
                 "\n"
                 "Examples:\n"
                 "  waybar    \"custom/quintaval\": {\"exec\": \"quintaval-title --json --follow\",\n"
                 "                                  \"return-type\": \"json\"}\n"
                 "  polybar   exec = quintaval-title --follow   with   tail = true\n"
                 "  i3blocks  command=quintaval-title --follow   with   interval=persist\n"
                 "  tmux      set -g status-right '#(quintaval-title --format decimalTime)'\n"
                 "  conky     ${execi 10 quintaval-title}\n"
                 "  xfce4     genmon plugin: command quintaval-title --genmon, period 10 s\n"
                 "\n"
                 "Exit status: 0 on success, 1 when the title cannot be written, 2 for a bad option.\n",
                 "%1 is the list of formats, one per line with a sample; "
                 "%2 and %3 the first and last days --at takes");
    return text
        .arg(QString::fromStdString(formats), QLatin1String(TitleOptionsParser::firstAtDate),
             QLatin1String(TitleOptionsParser::lastAtDate))
        .toStdString();
}

} // namespace

int main(int argc, char* argv[])
{
    // A reader that goes away shows up as EPIPE from write(), which ends the program quietly.
    std::signal(SIGPIPE, SIG_IGN);
    // For the translations only: the program runs no event loop.
    QCoreApplication application(argc, argv);
    TranslationLoader::install(TranslationLoader::directoryForRunningProgram());

    const ParsedTitleOptions parsed = TitleOptionsParser::parse(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.error) {
        std::fprintf(stderr, "quintaval-title: %s\n", parsed.error->c_str());
        return 2;
    }
    const TitleOptions& options = parsed.options;
    if (options.help || options.version) {
        const std::string text = options.help ? usage() : "quintaval-title " QUINTAVAL_VERSION "\n";
        std::fputs(text.c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }

    // --at is bounded when it is read; a clock set outside the same days is said too, not shown as
    // the nearest day.
    if (!options.at) {
        const CivilDateTime today = LocalCalendar::components(currentInstant());
        const QString day = QStringLiteral("%1-%2-%3")
                                .arg(today.year, 4, 10, QLatin1Char('0'))
                                .arg(today.month, 2, 10, QLatin1Char('0'))
                                .arg(today.day, 2, 10, QLatin1Char('0'));
        if (day.size() > 10 || day < QLatin1String(TitleOptionsParser::firstAtDate) ||
            day > QLatin1String(TitleOptionsParser::lastAtDate)) {
            std::fprintf(stderr, "quintaval-title: %s\n",
                         qPrintable(QCoreApplication::translate("TitleOptions",
                                                                "the clock reads %1, outside the days shown, %2 to %3")
                                        .arg(day, QLatin1String(TitleOptionsParser::firstAtDate),
                                             QLatin1String(TitleOptionsParser::lastAtDate))));
            return 2;
        }
    }

    TitleSource source(options);
    if (options.follow) {
        return FollowLoop(source, STDOUT_FILENO).run();
    }
    if (options.changedFrom) {
        return FollowLoop(source, STDOUT_FILENO).runUntilChanged(*options.changedFrom);
    }
    return LineOutput::write(STDOUT_FILENO, source.line(options.at.value_or(currentInstant())))
               ? 0
               : LineOutput::failureStatus();
}
