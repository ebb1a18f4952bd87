// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class AudioPlayer;

// What the audio module exports: one function that makes its player, owned by the caller.
namespace AudioModule {
using CreatePlayer = AudioPlayer* (*)();
inline constexpr char createPlayerSymbol[] = "quintavalCreateAudioPlayer";
} // namespace AudioModule
