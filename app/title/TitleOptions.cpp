// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/title/TitleOptions.h"

#include <QCoreApplication>

#include <string_view>

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

} // namespace

namespace TitleOptionsParser {

std::string formatChoices()
{
    QString choices;
    const auto& formats = MenuBarFormats::allCases;
    for (std::size_t index = 0; index + 1 < formats.size(); ++index) {
        if (index > 0) {
            choices += QStringLiteral(", ");
        }
        choices += text(MenuBarFormats::rawValue(formats[index]));
    }
    return Messages::tr("%1 or %2").arg(choices, text(MenuBarFormats::rawValue(formats.back()))).toStdString();
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

        if (name == "--format") {
            std::string_view value;
            if (hasAttached) {
                value = attached;
            } else if (index + 1 < arguments.size()) {
                value = arguments[++index];
            } else {
                return failure(Messages::tr("--format needs a value: %1").arg(text(formatChoices())));
            }
            options.format = MenuBarFormats::fromRawValue(value);
            if (!options.format) {
                return failure(Messages::tr("unknown format '%1'; use %2").arg(text(value), text(formatChoices())));
            }
            continue;
        }

        bool* flag = nullptr;
        if (name == "--follow") {
            flag = &options.follow;
        } else if (name == "--json") {
            flag = &options.json;
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
    return parsed;
}

} // namespace TitleOptionsParser
