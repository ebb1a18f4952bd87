// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/AudioPlayer.h"

#include <QString>

#include <memory>
#include <optional>

class QObject;

// Plays through Qt Multimedia, which it loads only when the first sound is asked for: Qt
// Multimedia, the sound server's client and GStreamer cost several megabytes of memory from the
// moment they are loaded, and with the chime off they would never be used.
class LazyAudioPlayer final : public AudioPlayer
{
public:
    // The module installed beside the running program, or built beside it in the build tree.
    static QString moduleForRunningProgram();

    explicit LazyAudioPlayer(QString module = moduleForRunningProgram());
    ~LazyAudioPlayer() override;

    void play(const QString& file, float volume, std::function<void(const QString& description)> failed) override;
    void prepare(const QString& file, float volume) override;

    // The player of the loaded module, none before the first sound.
    QObject* loadedPlayer() const;

private:
    // Loads the module on first use; the reason when it cannot be loaded.
    std::optional<QString> load();

    QString m_module;
    AudioPlayer* m_player = nullptr;
    std::optional<QString> m_loadFailure;
};
