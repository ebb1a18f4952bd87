// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/chime/NoteTable.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

double NoteTable::onsetSeconds(std::size_t index) const
{
    double beats = 0;
    for (std::size_t i = 0; i < index && i < notes.size(); ++i) {
        beats += notes[i].beats;
    }
    return beats * secondsPerBeat();
}

double NoteTable::durationSeconds() const
{
    return onsetSeconds(notes.size()) + ring;
}

namespace {

std::optional<double> positiveNumber(const std::string& text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value) || value <= 0) {
        return std::nullopt;
    }
    return value;
}

NoteTables::ParseResult failure(int line, const std::string& what)
{
    return {std::nullopt, "line " + std::to_string(line) + ": " + what};
}

} // namespace

namespace NoteTables {

std::optional<int> midiNumber(std::string_view pitch)
{
    static constexpr std::array<int, 7> semitoneOfLetter{9, 11, 0, 2, 4, 5, 7}; // A to G
    if (pitch.size() < 2 || pitch.front() < 'A' || pitch.front() > 'G') {
        return std::nullopt;
    }
    int semitone = semitoneOfLetter[static_cast<std::size_t>(pitch.front() - 'A')];
    pitch.remove_prefix(1);
    if (pitch.front() == 'b' || pitch.front() == '#') {
        semitone += pitch.front() == 'b' ? -1 : 1;
        pitch.remove_prefix(1);
    }
    int octave = 0;
    const auto [end, error] = std::from_chars(pitch.data(), pitch.data() + pitch.size(), octave);
    if (error != std::errc{} || end != pitch.data() + pitch.size() || octave < 0 || octave > 9) {
        return std::nullopt;
    }
    return (octave + 1) * 12 + semitone;
}

double frequency(int midiNumber)
{
    return 440.0 * std::pow(2.0, (midiNumber - 69) / 12.0);
}

ParseResult parse(std::istream& input)
{
    NoteTable table;
    std::string line;
    for (int lineNumber = 1; std::getline(input, line); ++lineNumber) {
        // A comment starts at a '#' that begins a word; one right after a letter is a sharp.
        for (auto hash = line.find('#'); hash != std::string::npos; hash = line.find('#', hash + 1)) {
            if (hash == 0 || std::isspace(static_cast<unsigned char>(line[hash - 1]))) {
                line.erase(hash);
                break;
            }
        }
        std::istringstream fields(line);
        std::string first;
        std::string second;
        if (!(fields >> first)) {
            continue;
        }
        if (!(fields >> second)) {
            return failure(lineNumber, "expected two fields, found \"" + first + "\"");
        }
        const auto number = positiveNumber(second);
        if (!number) {
            return failure(lineNumber, "\"" + second + "\" is not a positive number");
        }
        if (first == "tempo") {
            table.tempo = *number;
        } else if (first == "ring") {
            table.ring = *number;
        } else if (const auto midi = midiNumber(first)) {
            std::string syllable;
            std::getline(fields >> std::ws, syllable);
            syllable.erase(syllable.find_last_not_of(" \t\r") + 1);
            table.notes.push_back({*midi, *number, syllable});
        } else {
            return failure(lineNumber, "\"" + first + "\" is neither a pitch nor a setting");
        }
    }
    if (table.tempo <= 0) {
        return {std::nullopt, "no tempo given"};
    }
    if (table.notes.empty()) {
        return {std::nullopt, "no notes"};
    }
    return {table, {}};
}

ParseResult load(const std::string& path)
{
    std::ifstream file(path);
    if (!file) {
        return {std::nullopt, "cannot open " + path};
    }
    return parse(file);
}

} // namespace NoteTables
