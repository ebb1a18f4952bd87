// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/chime/NoteTable.h"

#include <cstdint>
#include <string>
#include <vector>

// Renders a note table as a bell-like melody: struck harmonic partials that die away, a faint
// inharmonic strike tone, a short raised-cosine attack and a release that closes each note
// before the next begins, so that every note starts cleanly even when a pitch repeats.
namespace ChimeSynthesiser {

constexpr int sampleRate = 44100;
constexpr double leadInSeconds = 0.02;
constexpr double peakDbfs = -3.0;

// The melody as 16-bit samples, normalised to peakDbfs.
std::vector<std::int16_t> render(const NoteTable& table);

// A mono 16-bit PCM WAV file; false if it could not be written completely.
bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples, int rate);

} // namespace ChimeSynthesiser
