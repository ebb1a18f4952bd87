// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/title/TitleOptions.h"

#include "app/state/LeapRuleChoice.h"
#include "calendar/LocalCalendar.h"

#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>

#include <string_view>
#include <variant>

namespace {

ParsedTitleOptions failure(const QString& message)
{
    return {{}, message.toStdString()};
}

QString text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

class Messages
{
    Q_DECLARE_TR_FUNCTIONS(TitleOptions)
};

// "a, b, c or d" of raw names.
template <typename Choice, std::size_t Count, typename Name>
std::string choiceList(const std::array<Choice, Count>& choices, Name name)
{
    QString listed;
    for (std::size_t index = 0; index + 1 < Count; ++index) {
        if (index > 0) {
            listed += QStringLiteral(", ");
        }
        listed += text(name(choices[index]));
    }
    return Messages::tr("%1 or %2").arg(listed, text(name(choices.back()))).toStdString();
}

// The local instant of "YYYY-MM-DD[THH:MM[:SS]]", or why there is none.
std::variant<Instant, QString> localInstant(std::string_view value)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4,9})-(\\d\\d)-(\\d\\d)(?:T(\\d\\d):(\\d\\d)(?::(\\d\\d))?)?$"));
    const QString given = text(value);
    const QRegularExpressionMatch match = pattern.match(given);
    const auto part = [&match](int index) { return match.captured(index).toInt(); };
    const CivilDateTime civil{part(1), part(2), part(3), part(4), part(5), part(6)};
    // QDate knows each month's length; LocalCalendar would roll 31 April over into May.
    if (!match.hasMatch() || !QDate(part(1), civil.month, civil.day).isValid() || civil.hour > 23 ||
        civil.minute > 59 || civil.second > 59) {
        return Messages::tr("cannot read '%1' as a date: use YYYY-MM-DD, YYYY-MM-DDTHH:MM or YYYY-MM-DDTHH:MM:SS")
            .arg(given);
    }
    const QString day = given.left(given.indexOf(u'T') < 0 ? given.size() : given.indexOf(u'T'));
    if (day.size() > 10 || day < QLatin1String(TitleOptionsParser::firstAtDate) ||
        day > QLatin1String(TitleOptionsParser::lastAtDate)) {
        return Messages::tr("%1 is outside the days shown, %2 to %3")
            .arg(given, QLatin1String(TitleOptionsParser::firstAtDate), QLatin1String(TitleOptionsParser::lastAtDate));
    }
    // A time the clocks skip would come back as the first one after the gap: another time than asked.
    const std::optional<Instant> instant = LocalCalendar::instant(civil);
    if (!instant || LocalCalendar::components(*instant) != civil) {
        //: The local time falls in the gap where the clocks go forward (daylight saving time).
        return Messages::tr("there is no %1 in this time zone: the clocks go forward over it").arg(given);
    }
    return *instant;
}

} // namespace

namespace TitleOptionsParser {

std::string formatChoices()
{
    return choiceList(MenuBarFormats::allCases, MenuBarFormats::rawValue);
}

std::string leapRuleChoices()
{
    return choiceList(LeapRuleChoice::allCases, leapRuleName);
}

ParsedTitleOptions parse(const std::vector<std::string>& arguments)
{
    ParsedTitleOptions parsed;
    TitleOptions& options = parsed.options;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string_view argument = arguments[index];
        const std::size_t equals = argument.starts_with("--") ? argument.find('=') : std::string_view::npos;
        const bool hasAttached = equals != std::string_view::npos;
        const std::string_view name = argument.substr(0, equals);
        const std::string_view attached = hasAttached ? argument.substr(equals + 1) : std::string_view{};

        if (name == "--changed-from") {
            if (!hasAttached && index + 1 >= arguments.size()) {
                return failure(Messages::tr("--changed-from needs a value: the line shown now"));
            }
            options.changedFrom = std::string{hasAttached ? attached : std::string_view{arguments[++index]}};
            continue;
        }
        if (name == "--format" || name == "--leap-rule" || name == "--at") {
            std::string_view value;
            if (hasAttached) {
                value = attached;
            } else if (index + 1 < arguments.size()) {
                value = arguments[++index];
            } else if (name == "--format") {
                return failure(Messages::tr("--format needs a value: %1").arg(text(formatChoices())));
            } else if (name == "--leap-rule") {
                return failure(Messages::tr("--leap-rule needs a value: %1").arg(text(leapRuleChoices())));
            } else {
                return failure(Messages::tr("--at needs a value: a date such as 2026-12-09 or 2026-12-09T10:40"));
            }

            if (name == "--format") {
                options.format = MenuBarFormats::fromRawValue(value);
                if (!options.format) {
                    return failure(Messages::tr("unknown format '%1'; use %2").arg(text(value), text(formatChoices())));
                }
            } else if (name == "--leap-rule") {
                options.leapRule = leapRuleFromName(value);
                if (!options.leapRule) {
                    return failure(
                        Messages::tr("unknown leap-year rule '%1'; use %2").arg(text(value), text(leapRuleChoices())));
                }
            } else {
                const auto instant = localInstant(value);
                if (const auto* reason = std::get_if<QString>(&instant)) {
                    return failure(*reason);
                }
                options.at = std::get<Instant>(instant);
            }
            continue;
        }

        bool* flag = nullptr;
        if (name == "--follow") {
            flag = &options.follow;
        } else if (name == "--json") {
            flag = &options.json;
        } else if (name == "--genmon") {
            flag = &options.genmon;
        } else if (name == "--help" || name == "-h") {
            flag = &options.help;
        } else if (name == "--version") {
            flag = &options.version;
        }
        if (!flag) {
            const bool isOption = argument.starts_with('-') && argument.size() > 1;
            return failure((isOption ? Messages::tr("unknown option '%1'; see quintaval-title --help")
                                     : Messages::tr("unexpected argument '%1'; see quintaval-title --help"))
                               .arg(text(name)));
        }
        if (hasAttached) {
            return failure(Messages::tr("%1 takes no value").arg(text(name)));
        }
        *flag = true;
    }
    if (options.at && options.follow) {
        return failure(Messages::tr("--at shows one moment and --follow the moments to come: use one of them"));
    }
    if (options.genmon && (options.json || options.follow)) {
        return failure(Messages::tr("--genmon is read once a run by XFCE's panel: use it without --json and --follow"));
    }
    if (options.changedFrom && (options.at || options.follow || options.genmon)) {
        const char* other = options.at ? "--at" : options.follow ? "--follow" : "--genmon";
        return failure(Messages::tr("--changed-from waits for the next line: use it without %1")
                           .arg(QLatin1String(other)));
    }
    return parsed;
}

} // namespace TitleOptionsParser
