// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A melody written as a plain text table: the chime's score, read by the synthesiser and by the
// tests that check the rendered sound against it.
struct Note
{
    int midiNumber = 0; // 60 is middle C
    double beats = 0;   // length in quarter notes
    std::string syllable;
};

struct NoteTable
{
    double tempo = 0; // quarter notes per minute
    double ring = 0;  // seconds the last note sounds past its written length
    std::vector<Note> notes;

    double secondsPerBeat() const { return 60.0 / tempo; }
    // Start of note `index` counted from the start of the first note, in seconds.
    double onsetSeconds(std::size_t index) const;
    // From the first onset to the end of the last note's ring.
    double durationSeconds() const;
};

namespace NoteTables {

// "C4" is 60, "Bb4" 70, "F#3" 54; none for anything else.
std::optional<int> midiNumber(std::string_view pitch);

// Equal temperament with A4 at 440 Hz.
double frequency(int midiNumber);

struct ParseResult
{
    std::optional<NoteTable> table;
    std::string error; // "line N: what is wrong" when table is empty
};

ParseResult parse(std::istream& input);
ParseResult load(const std::string& path);

} // namespace NoteTables
