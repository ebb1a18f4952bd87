// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/AudioPlayer.h"

#include <QMediaPlayer>
#include <QObject>
#include <QPointer>
#include <QUrl>

class QAudioOutput;

// Qt Multimedia playback. QMediaPlayer learns only while loading whether it can play a file, so
// each new sound is loaded in a player of its own and replaces the one that plays only once it
// has loaded; a file that fails to load leaves the current sound alone. Loading takes a good part
// of a second, so a sound due at a set time is prepared ahead and then starts at once.
class MultimediaAudioPlayer final : public QObject, public AudioPlayer
{
    Q_OBJECT

public:
    explicit MultimediaAudioPlayer(QObject* parent = nullptr);
    ~MultimediaAudioPlayer() override;

    void play(const QString& file, float volume, std::function<void(const QString& description)> failed) override;
    void prepare(const QString& file, float volume) override;

    // The file of the sound started last, and whether it is playing now.
    QUrl currentSource() const;
    bool isPlaying() const;

Q_SIGNALS:
    // A new sound has loaded and started.
    void started();
    // A sound has been got ready to start at once.
    void prepared();

private:
    QMediaPlayer* load(const QString& file, float volume);
    void loadingChanged(QMediaPlayer* player, QMediaPlayer::MediaStatus status);
    void loadingFailed(QMediaPlayer* player, const QString& description);
    void discard(QMediaPlayer* player);

    QPointer<QMediaPlayer> m_current;
    QPointer<QMediaPlayer> m_loading;
    QPointer<QMediaPlayer> m_prepared;
    std::function<void(const QString&)> m_loadingFailed;
};
