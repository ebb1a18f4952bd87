// SPDX-License-Identifier: GPL-3.0-or-later
// Synthesises the hourly chime from its note table: quintaval-chime NOTES OUT.wav
#include "tools/chime/ChimeSynthesiser.h"
#include "tools/chime/NoteTable.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s NOTES OUT.wav\n", argv[0]);
        return 2;
    }
    const auto parsed = NoteTables::load(argv[1]);
    if (!parsed.table) {
        std::fprintf(stderr, "%s: %s\n", argv[1], parsed.error.c_str());
        return 1;
    }
    const auto samples = ChimeSynthesiser::render(*parsed.table);
    // Write beside the target and rename, so that a failed run never leaves a truncated chime.
    const std::filesystem::path target(argv[2]);
    const auto partial = std::filesystem::path(target).concat(".part");
    if (!ChimeSynthesiser::writeWav(partial.string(), samples, ChimeSynthesiser::sampleRate)) {
        std::fprintf(stderr, "cannot write %s\n", partial.c_str());
        return 1;
    }
    std::error_code error;
    std::filesystem::rename(partial, target, error);
    if (error) {
        std::fprintf(stderr, "cannot write %s: %s\n", argv[2], error.message().c_str());
        return 1;
    }
    return 0;
}
