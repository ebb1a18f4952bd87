// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/title/PlainSettings.h"

#include "common/SharedSettings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string_view>

namespace {

// Well below SettingsFileCheck's limit: a larger file is no plain one of ours.
constexpr off_t largestFile = 64 * 1024;

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char character) { return character == ' ' || character == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Printable ASCII and tabs, lines ending in \n or \r\n. QSettings writes more (UTF-8, escapes,
// continued lines), which the full program reads.
bool plainText(std::string_view text)
{
    for (std::size_t index = 0; index < text.size(); ++index) {
        const auto character = static_cast<unsigned char>(text[index]);
        const bool lineEnd =
            character == '\n' || (character == '\r' && index + 1 < text.size() && text[index + 1] == '\n');
        if (!lineEnd && character != '\t' && (character < 0x20 || character >= 0x7f)) {
            return false;
        }
    }
    return true;
}

bool isName(std::string_view value)
{
    return !value.empty() && std::all_of(value.begin(), value.end(), [](char character) {
        return (character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z');
    });
}

std::optional<std::string> contents(const std::string& fileName, bool& absent)
{
    // As SettingsFileCheck opens it: a FIFO in the file's place must not hang a panel's command.
    const int descriptor = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        absent = errno == ENOENT || errno == ENOTDIR;
        return std::nullopt;
    }
    std::optional<std::string> text;
    struct stat info = {};
    if (::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= largestFile) {
        // One byte more than the file holds: a file that grows meanwhile is not read for sure.
        std::string read(static_cast<std::size_t>(info.st_size) + 1, '\0');
        std::size_t filled = 0;
        for (;;) {
            const ssize_t count = ::read(descriptor, read.data() + filled, read.size() - filled);
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count <= 0 || (filled += static_cast<std::size_t>(count)) == read.size()) {
                if (count == 0) {
                    read.resize(filled);
                    text = std::move(read);
                }
                break;
            }
        }
    }
    ::close(descriptor);
    return text;
}

} // namespace

namespace PlainSettings {

std::optional<std::string> fileName()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') {
        return std::string{xdg} + '/' + SharedSettings::relativeFilePath;
    }
    const char* homeVariable = std::getenv("HOME");
    std::string home = homeVariable ? homeVariable : "";
    while (home.size() > 1 && home.back() == '/') {
        home.pop_back();
    }
    // No home, or one that is no user's: the program says why, so it is left to say it.
    if (home.empty() || home.front() != '/' || home == "/") {
        return std::nullopt;
    }
    return home + "/.config/" + SharedSettings::relativeFilePath;
}

std::optional<TitleChoices> read(const std::string& fileName)
{
    TitleChoices choices;
    bool absent = false;
    const std::optional<std::string> text = contents(fileName, absent);
    if (!text) {
        return absent ? std::optional{choices} : std::nullopt;
    }
    if (!plainText(*text)) {
        return std::nullopt;
    }
    bool inGeneral = true; // keys before any section header are in [General]
    bool formatSeen = false;
    bool ruleSeen = false;
    std::string_view rest = *text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        line = trimmed(line);
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.ends_with('\\')) {
            return std::nullopt; // continued on the next line
        }
        if (line.front() == '[') {
            const std::string_view name = line.substr(1, line.size() - 1 - (line.back() == ']' ? 1 : 0));
            if (line.back() != ']' || trimmed(name).empty() || name.find_first_of("[]") != std::string_view::npos) {
                return std::nullopt;
            }
            inGeneral = name == "General";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view key = trimmed(line.substr(0, equals));
        const std::string_view value = trimmed(line.substr(equals + 1));
        if (key.empty() || key.find_first_of("[]%\\\"") != std::string_view::npos) {
            return std::nullopt;
        }
        const bool isFormat = key == SharedSettings::menuBarFormatKey;
        const bool isRule = key == SharedSettings::leapRuleKey;
        if (!isFormat && !isRule) {
            continue;
        }
        bool& seen = isFormat ? formatSeen : ruleSeen;
        if (!inGeneral || seen || !isName(value)) {
            return std::nullopt;
        }
        seen = true;
        if (isFormat) {
            const auto format = MenuBarFormats::fromRawValue(value);
            if (!format) {
                return std::nullopt;
            }
            choices.format = *format;
        } else {
            const auto rule = leapRuleFromName(value);
            if (!rule) {
                return std::nullopt; // the program says it names no rule
            }
            choices.leapRule = *rule;
        }
    }
    return choices;
}

} // namespace PlainSettings
