// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/audio/LazyAudioPlayer.h"

#include "app/platform/audio/AudioModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QObject>

QString LazyAudioPlayer::moduleForRunningProgram()
{
    const QDir programDirectory(QCoreApplication::applicationDirPath());
    const QString installed =
        QDir::cleanPath(programDirectory.filePath(QStringLiteral(QUINTAVAL_AUDIO_MODULE_FROM_PROGRAM)));
    const QString built = programDirectory.filePath(QStringLiteral(QUINTAVAL_AUDIO_MODULE_IN_BUILD));
    return QFileInfo::exists(installed) || !QFileInfo::exists(built) ? installed : built;
}

LazyAudioPlayer::LazyAudioPlayer(QString module) : m_module(std::move(module)) {}

// The player is not deleted: its code is in the module, which stays loaded until the process ends,
// and Qt Multimedia does not take well to being torn down while the program exits.
LazyAudioPlayer::~LazyAudioPlayer() = default;

void LazyAudioPlayer::play(const QString& file, float volume, std::function<void(const QString& description)> failed)
{
    if (const auto reason = load()) {
        failed(*reason);
        return;
    }
    m_player->play(file, volume, std::move(failed));
}

void LazyAudioPlayer::prepare(const QString& file, float volume)
{
    // A module that does not load is reported when the sound is played.
    if (!load()) {
        m_player->prepare(file, volume);
    }
}

QObject* LazyAudioPlayer::loadedPlayer() const
{
    return dynamic_cast<QObject*>(m_player);
}

std::optional<QString> LazyAudioPlayer::load()
{
    if (m_player || m_loadFailure) {
        return m_loadFailure;
    }
    QLibrary module(m_module);
    const auto create = reinterpret_cast<AudioModule::CreatePlayer>(module.resolve(AudioModule::createPlayerSymbol));
    m_player = create ? create() : nullptr;
    if (!m_player) {
        m_loadFailure = QStringLiteral("cannot load the audio module: %1").arg(module.errorString());
    }
    return m_loadFailure;
}
