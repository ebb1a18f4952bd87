// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/chime/ChimeSynthesiser.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <numbers>

namespace {

struct Partial
{
    double ratio;     // to the fundamental
    double amplitude; // at the strike
    double decay;     // per second
};

// Harmonic partials whose upper members fade first, as on a struck bar or a tubular bell, and
// one inharmonic partial near 2.76 that gives the metallic strike and is gone within a tenth of
// a second.
constexpr std::array<Partial, 8> partials{{
    {1.0, 1.00, 1.6},
    {2.0, 0.55, 2.8},
    {3.0, 0.30, 4.0},
    {4.0, 0.18, 5.5},
    {5.0, 0.10, 7.0},
    {6.0, 0.06, 9.0},
    {8.0, 0.03, 12.0},
    {2.76, 0.22, 30.0},
}};

constexpr double attackSeconds = 0.006;
constexpr double releaseSeconds = 0.04;
constexpr double finalReleaseSeconds = 0.25;
// Silence between one note's release and the next onset, so that repeated notes are re-struck.
constexpr double gapSeconds = 0.012;

double raisedCosine(double progress)
{
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(progress, 0.0, 1.0));
}

void addNote(std::vector<double>& buffer, std::size_t start, double frequency, double soundingSeconds,
             double releaseLength)
{
    const auto rate = static_cast<double>(ChimeSynthesiser::sampleRate);
    const auto length = static_cast<std::size_t>(std::lround(soundingSeconds * rate));
    for (std::size_t i = 0; i < length && start + i < buffer.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        double value = 0;
        for (const auto& partial : partials) {
            const double partialFrequency = frequency * partial.ratio;
            if (partialFrequency < rate / 2.5) {
                value += partial.amplitude * std::exp(-partial.decay * t) *
                         std::sin(2 * std::numbers::pi * partialFrequency * t);
            }
        }
        const double envelope = raisedCosine(t / attackSeconds) * raisedCosine((soundingSeconds - t) / releaseLength);
        buffer[start + i] += envelope * value;
    }
}

void putLittleEndian(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

} // namespace

namespace ChimeSynthesiser {

std::vector<std::int16_t> render(const NoteTable& table)
{
    const auto total = static_cast<std::size_t>(std::ceil((leadInSeconds + table.durationSeconds()) * sampleRate));
    std::vector<double> buffer(total, 0.0);
    for (std::size_t i = 0; i < table.notes.size(); ++i) {
        const bool last = i + 1 == table.notes.size();
        const double written = table.notes[i].beats * table.secondsPerBeat();
        const double sounding = last ? written + table.ring : written - gapSeconds;
        const auto start = static_cast<std::size_t>(std::lround((leadInSeconds + table.onsetSeconds(i)) * sampleRate));
        addNote(buffer, start, NoteTables::frequency(table.notes[i].midiNumber), sounding,
                last ? finalReleaseSeconds : std::min(releaseSeconds, sounding / 2));
    }

    double peak = 0;
    for (const double value : buffer) {
        peak = std::max(peak, std::abs(value));
    }
    const double scale = peak > 0 ? std::pow(10.0, peakDbfs / 20.0) * 32767.0 / peak : 0.0;
    std::vector<std::int16_t> samples(buffer.size());
    std::transform(buffer.begin(), buffer.end(), samples.begin(),
                   [scale](double value) { return static_cast<std::int16_t>(std::lround(value * scale)); });
    return samples;
}

bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples, int rate)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    putLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putLittleEndian(out, 16, 4); // size of the format chunk
    putLittleEndian(out, 1, 2);  // PCM
    putLittleEndian(out, 1, 2);  // mono
    putLittleEndian(out, static_cast<std::uint32_t>(rate), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(rate * 2), 4); // bytes per second
    putLittleEndian(out, 2, 2);                                    // bytes per frame
    putLittleEndian(out, 16, 2);                                   // bits per sample
    out.write("data", 4);
    putLittleEndian(out, dataBytes, 4);
    for (const auto sample : samples) {
        putLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    }
    out.close();
    return !out.fail();
}

} // namespace ChimeSynthesiser
