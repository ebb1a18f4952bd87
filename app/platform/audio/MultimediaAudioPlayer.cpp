// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/audio/MultimediaAudioPlayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFile>
#include <QLocalSocket>
#include <QMediaDevices>
#include <QtEndian>

#include <optional>

namespace {

// GStreamer takes a WAV whose header promises no samples, plays nothing and calls it done, so a
// sound file is looked at before it is handed over.
std::optional<QString> unplayableReason(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
    }
    const QString empty = QStringLiteral("%1 holds no sound").arg(path);
    if (file.size() == 0) {
        return empty;
    }
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE") {
        return std::nullopt; // compressed formats are left to the decoder
    }
    // Chunks follow each other, each an id, a little-endian size and the data padded to even.
    while (!file.atEnd()) {
        const QByteArray header = file.read(8);
        if (header.size() < 8) {
            break;
        }
        const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (header.startsWith("data")) {
            return size == 0 || file.atEnd() ? std::optional(empty) : std::nullopt;
        }
        if (!file.seek(file.pos() + size + (size & 1))) {
            break;
        }
    }
    return empty;
}

// Where no sound server runs, GStreamer plays into a sink that throws the sound away and reports
// success. Qt asks the sound server for its devices only once, so a server started since then is
// found by knocking at its socket.
bool soundServerAvailable()
{
    if (!QMediaDevices::audioOutputs().isEmpty() || qEnvironmentVariableIsSet("PULSE_SERVER")) {
        return true;
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty()) {
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(runtime + QStringLiteral("/pulse/native"));
    return socket.waitForConnected(200);
}

} // namespace

MultimediaAudioPlayer::MultimediaAudioPlayer(QObject* parent) : QObject(parent) {}

MultimediaAudioPlayer::~MultimediaAudioPlayer() = default;

void MultimediaAudioPlayer::play(const QString& file, float volume,
                                 std::function<void(const QString& description)> failed)
{
    // A sound still loading from an earlier call is superseded; it neither plays nor reports.
    discard(m_loading);
    if (const auto reason = unplayableReason(file)) {
        failed(*reason);
        return;
    }
    if (!soundServerAvailable()) {
        failed(QStringLiteral("no sound server is running"));
        return;
    }
    QMediaPlayer* player = nullptr;
    if (m_prepared && m_prepared->source() == QUrl::fromLocalFile(file)) {
        player = m_prepared;
        m_prepared = nullptr;
        player->audioOutput()->setVolume(volume);
    } else {
        player = load(file, volume);
    }
    m_loading = player;
    m_loadingFailed = std::move(failed);
    if (player->mediaStatus() == QMediaPlayer::LoadedMedia) {
        loadingChanged(player, QMediaPlayer::LoadedMedia);
    }
}

void MultimediaAudioPlayer::prepare(const QString& file, float volume)
{
    if (m_prepared && m_prepared->source() == QUrl::fromLocalFile(file)) {
        return;
    }
    discard(m_prepared);
    if (!unplayableReason(file)) {
        m_prepared = load(file, volume);
    }
}

QMediaPlayer* MultimediaAudioPlayer::load(const QString& file, float volume)
{
    auto* player = new QMediaPlayer(this);
    auto* output = new QAudioOutput(player);
    output->setVolume(volume);
    player->setAudioOutput(output);
    connect(player, &QMediaPlayer::mediaStatusChanged, this,
            [this, player](QMediaPlayer::MediaStatus status) { loadingChanged(player, status); });
    connect(player, &QMediaPlayer::errorOccurred, this,
            [this, player](QMediaPlayer::Error, const QString& description) { loadingFailed(player, description); });
    player->setSource(QUrl::fromLocalFile(file));
    return player;
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
    if (player == m_prepared) {
        if (status == QMediaPlayer::InvalidMedia) {
            discard(player); // the play that follows loads it again and says why it fails
        } else if (status == QMediaPlayer::LoadedMedia) {
            Q_EMIT prepared();
        }
        return;
    }
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
    if (player->duration() <= 0) {
        loadingFailed(player, QStringLiteral("%1 holds no sound").arg(player->source().toLocalFile()));
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
    if (player == m_prepared) {
        discard(player);
        return;
    }
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
    if (player == m_prepared) {
        m_prepared = nullptr;
    }
    player->disconnect(this);
    player->stop();
    // Called from the player's own signals, so it must outlive the emission.
    player->deleteLater();
}
