// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/date/DateOptions.h"

#include "app/state/LeapRuleChoice.h"

#include <QCoreApplication>
#include <QString>

#include <string_view>

namespace {

class Messages
{
    Q_DECLARE_TR_FUNCTIONS(DateOptions)
};

QString text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

ParsedDateOptions failure(const QString& message)
{
    return {{}, message.toStdString()};
}

QString ruleChoices()
{
    QString names;
    for (const LeapRule rule : LeapRuleChoice::allCases) {
        names += (names.isEmpty() ? QString() : QStringLiteral(", ")) + text(leapRuleName(rule));
    }
    return names;
}

} // namespace

namespace DateOptionsParser {

ParsedDateOptions parse(const std::vector<std::string>& arguments)
{
    ParsedDateOptions parsed;
    DateOptions& options = parsed.options;
    bool onlyDates = false;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string_view argument = arguments[index];
        // A date is never an option, but "--" still lets one start with a dash.
        if (onlyDates || !argument.starts_with('-') || argument.size() == 1) {
            options.date += (options.date.empty() ? "" : " ") + std::string(argument);
            continue;
        }
        const std::size_t equals = argument.starts_with("--") ? argument.find('=') : std::string_view::npos;
        const std::string_view name = argument.substr(0, equals);
        if (name == "--") {
            onlyDates = true;
        } else if (name == "--leap-rule") {
            std::string_view value;
            if (equals != std::string_view::npos) {
                value = argument.substr(equals + 1);
            } else if (index + 1 < arguments.size()) {
                value = arguments[++index];
            } else {
                return failure(Messages::tr("--leap-rule needs a value: %1").arg(ruleChoices()));
            }
            options.leapRule = leapRuleFromName(value);
            if (!options.leapRule) {
                return failure(Messages::tr("unknown leap-year rule '%1'; use %2").arg(text(value), ruleChoices()));
            }
        } else if (name == "--ics") {
            if (index + 2 >= arguments.size()) {
                return failure(Messages::tr("--ics needs two dates, the first and the last day"));
            }
            options.icsFrom = arguments[++index];
            options.icsTo = arguments[++index];
        } else if (equals != std::string_view::npos) {
            return failure(Messages::tr("%1 takes no value").arg(text(name)));
        } else if (name == "--json") {
            options.json = true;
        } else if (name == "--help" || name == "-h") {
            options.help = true;
        } else if (name == "--version") {
            options.version = true;
        } else {
            return failure(Messages::tr("unknown option '%1'; see quintaval-date --help").arg(text(name)));
        }
    }
    if (options.help || options.version) {
        return parsed;
    }
    if (options.icsFrom && !options.date.empty()) {
        return failure(Messages::tr("--ics takes its two dates and no other; give one or the other"));
    }
    if (options.icsFrom && options.json) {
        return failure(Messages::tr("--ics writes iCalendar, not JSON: use one of them"));
    }
    if (!options.icsFrom && options.date.empty()) {
        return failure(Messages::tr("no date given; see quintaval-date --help"));
    }
    return parsed;
}

} // namespace DateOptionsParser
