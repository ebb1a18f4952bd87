// SPDX-License-Identifier: GPL-3.0-or-later
// The audio module: Qt Multimedia playback, loaded by the program on its first sound.

#include "app/platform/audio/AudioModule.h"
#include "app/platform/audio/MultimediaAudioPlayer.h"

extern "C" Q_DECL_EXPORT AudioPlayer* quintavalCreateAudioPlayer()
{
    static_assert(std::is_same_v<decltype(&quintavalCreateAudioPlayer), AudioModule::CreatePlayer>);
    return new MultimediaAudioPlayer;
}
