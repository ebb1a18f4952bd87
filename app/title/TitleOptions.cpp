// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/title/TitleOptions.h"

#include <string_view>

namespace {

ParsedTitleOptions failure(std::string message)
{
    return {{}, std::move(message)};
}

} // namespace

namespace TitleOptionsParser {

std::string formatChoices()
{
    std::string choices;
    const auto& formats = MenuBarFormats::allCases;
    for (std::size_t index = 0; index < formats.size(); ++index) {
        if (index > 0) {
            choices += index + 1 == formats.size() ? " or " : ", ";
        }
        choices += MenuBarFormats::rawValue(formats[index]);
    }
    return choices;
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
                return failure("--format needs a value: " + formatChoices());
            }
            options.format = MenuBarFormats::fromRawValue(value);
            if (!options.format) {
                return failure("unknown format '" + std::string{value} + "'; use " + formatChoices());
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
            return failure((isOption ? "unknown option '" : "unexpected argument '") + std::string{name} +
                           "'; see quintaval-title --help");
        }
        if (hasAttached) {
            return failure(std::string{name} + " takes no value");
        }
        *flag = true;
    }
    return parsed;
}

} // namespace TitleOptionsParser
