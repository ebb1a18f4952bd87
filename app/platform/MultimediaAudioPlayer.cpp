// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/MultimediaAudioPlayer.h"

#include <QAudioOutput>

MultimediaAudioPlayer::MultimediaAudioPlayer(QObject* parent) : QObject(parent) {}

MultimediaAudioPlayer::~MultimediaAudioPlayer() = default;

void MultimediaAudioPlayer::play(const QString& file, float volume,
                                 std::function<void(const QString& description)> failed)
{
    // A sound still loading from an earlier call is superseded; it neither plays nor reports.
    discard(m_loading);

    auto* player = new QMediaPlayer(this);
    auto* output = new QAudioOutput(player);
    output->setVolume(volume);
    player->setAudioOutput(output);
    m_loading = player;
    m_loadingFailed = std::move(failed);

    connect(player, &QMediaPlayer::mediaStatusChanged, this,
            [this, player](QMediaPlayer::MediaStatus status) { loadingChanged(player, status); });
    connect(player, &QMediaPlayer::errorOccurred, this,
            [this, player](QMediaPlayer::Error, const QString& description) { loadingFailed(player, description); });
    player->setSource(QUrl::fromLocalFile(file));
}

QUrl MultimediaAudioPlayer::currentSource() const
{
    return m_current ? m_current->source() : QUrl();
}

bool MultimediaAudioPlayer::isPlaying() const
{
    return m_current && m_current->playbackState() == QMediaPlayer::PlayingState;
}

void MultimediaAudioPlayer::loadingChanged(QMediaPlayer* player, QMediaPlayer::MediaStatus status)
{
    if (player != m_loading) {
        return;
    }
    if (status == QMediaPlayer::InvalidMedia) {
        loadingFailed(player, player->errorString());
        return;
    }
    if (status != QMediaPlayer::LoadedMedia) {
        return;
    }
    discard(m_current);
    m_current = player;
    m_loading = nullptr;
    m_loadingFailed = nullptr;
    player->play();
    Q_EMIT started();
}

void MultimediaAudioPlayer::loadingFailed(QMediaPlayer* player, const QString& description)
{
    // GStreamer reports a bad file several times over; only the first report counts.
    if (player != m_loading) {
        return;
    }
    const auto failed = std::move(m_loadingFailed);
    m_loadingFailed = nullptr;
    discard(m_loading);
    if (failed) {
        failed(description.isEmpty() ? QStringLiteral("the file cannot be played") : description);
    }
}

void MultimediaAudioPlayer::discard(QMediaPlayer* player)
{
    if (!player) {
        return;
    }
    if (player == m_loading) {
        m_loading = nullptr;
        m_loadingFailed = nullptr;
    }
    if (player == m_current) {
        m_current = nullptr;
    }
    player->disconnect(this);
    player->stop();
    // Called from the player's own signals, so it must outlive the emission.
    player->deleteLater();
}
