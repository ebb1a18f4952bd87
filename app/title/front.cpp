// SPDX-License-Identifier: GPL-3.0-or-later
// quintaval-title as panels start it: XFCE's genmon plugin runs it every few seconds, so the
// genmon title is made here without Qt, whose library alone costs more memory and time than
// the whole run, in the catalogs' languages too (their words taken as the program is built). Everything else, and whatever this front is not sure of, is the full program's
// (quintaval-title-full, beside it in a build tree, in libexec once installed), started in its
// place with the same arguments.

#include "app/state/TitleChoices.h"
#include "app/title/CatalogWords.h"
#include "app/title/GenmonText.h"
#include "app/title/LineOutput.h"
#include "app/title/PlainSettings.h"
#include "calendar/LocalCalendar.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// The languages the texts are wanted in, the most wanted first, as TranslationLoader reads them:
// none where the messages' locale is C or POSIX.
std::vector<std::string> preferredLanguages()
{
    const auto languageOf = [](std::string_view name) {
        name = name.substr(0, name.find_first_of(".@"));
        return name == "C" || name == "POSIX" ? std::string{} : std::string{name};
    };
    std::string messages;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            messages = languageOf(value);
            break;
        }
    }
    if (messages.empty()) {
        return {};
    }
    std::vector<std::string> languages;
    std::string_view wanted = std::getenv("LANGUAGE") ? std::getenv("LANGUAGE") : "";
    while (!wanted.empty()) {
        const std::size_t colon = wanted.find(':');
        if (std::string language = languageOf(wanted.substr(0, colon)); !language.empty()) {
            languages.push_back(std::move(language));
        }
        wanted = colon == std::string_view::npos ? std::string_view{} : wanted.substr(colon + 1);
    }
    languages.push_back(std::move(messages));
    return languages;
}

// What --genmon was given on the command line; the rest comes from the settings.
struct GenmonRequest
{
    std::optional<MenuBarFormat> format;
    std::optional<LeapRule> rule;
};

// The arguments this front serves: --genmon, with --format and --leap-rule of known values.
// None for any other, which the full program reads and, where they are wrong, answers.
std::optional<GenmonRequest> genmonRequest(int argc, char* argv[])
{
    GenmonRequest request;
    bool genmon = false;
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        if (argument == "--genmon") {
            genmon = true;
            continue;
        }
        if (name != "--format" && name != "--leap-rule") {
            return std::nullopt;
        }
        std::string_view value;
        if (equals != std::string_view::npos) {
            value = argument.substr(equals + 1);
        } else if (index + 1 < argc) {
            value = argv[++index];
        } else {
            return std::nullopt;
        }
        if (name == "--format") {
            if (!(request.format = MenuBarFormats::fromRawValue(value))) {
                return std::nullopt;
            }
        } else if (!(request.rule = leapRuleFromName(value))) {
            return std::nullopt;
        }
    }
    return genmon ? std::optional{request} : std::nullopt;
}

// The genmon title, or none when the full program is to make it.
std::optional<std::string> genmonTitle(int argc, char* argv[])
{
    const std::optional<GenmonRequest> request = genmonRequest(argc, argv);
    if (!request) {
        return std::nullopt;
    }
    std::optional<TitleChoices> stored = TitleChoices{};
    if (!request->format || !request->rule) {
        const std::optional<std::string> file = PlainSettings::fileName();
        stored = file ? PlainSettings::read(*file) : std::nullopt;
        if (!stored) {
            return std::nullopt;
        }
    }
    const Instant now = std::chrono::time_point_cast<std::chrono::microseconds>(std::chrono::system_clock::now());
    // A clock outside the days the title shows is the full program's to report.
    const CivilDateTime today = LocalCalendar::components(now);
    const auto day = std::make_tuple(today.year, today.month, today.day);
    if (day < std::make_tuple(std::int64_t{1792}, 9, 22) || day > std::make_tuple(std::int64_t{9999}, 12, 31)) {
        return std::nullopt;
    }
    return GenmonText::render(now, request->format.value_or(stored->format), request->rule.value_or(stored->leapRule),
                              CatalogWords::lookUpIn(CatalogWords::chosenLanguage(preferredLanguages())));
}

// The full program: beside this one in a build tree, else where it is installed.
std::string fullProgram()
{
    char self[4096];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) {
        return QUINTAVAL_TITLE_FULL_INSTALLED;
    }
    std::string folder(self, static_cast<std::size_t>(length));
    folder.erase(folder.rfind('/') + 1);
    const std::string beside = folder + "quintaval-title-full";
    return ::access(beside.c_str(), X_OK) == 0 ? beside : folder + QUINTAVAL_TITLE_FULL_FROM_BINDIR;
}

} // namespace

int main(int argc, char* argv[])
{
    if (const std::optional<std::string> title = genmonTitle(argc, argv)) {
        std::signal(SIGPIPE, SIG_IGN);
        return LineOutput::write(STDOUT_FILENO, *title) ? 0 : LineOutput::failureStatus();
    }
    const std::string program = fullProgram();
    ::execv(program.c_str(), argv);
    std::fprintf(stderr, "quintaval-title: cannot start %s: %s\n", program.c_str(), std::strerror(errno));
    return 1;
}
