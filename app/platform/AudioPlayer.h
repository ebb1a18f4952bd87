// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// Plays one sound file at a time.
class AudioPlayer
{
public:
    virtual ~AudioPlayer() = default;

    // Starts `file` from its beginning at `volume` (0.0 to 1.0), ending what the previous call
    // started. When the file cannot be played, whatever played before goes on and `failed` is
    // called on the main thread, possibly later, with a description of the reason.
    virtual void play(const QString& file, float volume, std::function<void(const QString& description)> failed) = 0;

    // Gets `file` ready so that a later `play` of it starts at once; what cannot be prepared is
    // reported by that `play`.
    virtual void prepare(const QString& file, float volume) = 0;
};
