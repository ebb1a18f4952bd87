// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/audio/ProcessAudioPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <utility>

QString ProcessAudioPlayer::playerForRunningProgram()
{
    const QDir programDirectory(QCoreApplication::applicationDirPath());
    const QString installed = QDir::cleanPath(programDirectory.filePath(QStringLiteral(QUINTAVAL_PLAYER_FROM_PROGRAM)));
    const QString built = programDirectory.filePath(QStringLiteral(QUINTAVAL_PLAYER_IN_BUILD));
    return QFileInfo::exists(installed) || !QFileInfo::exists(built) ? installed : built;
}

ProcessAudioPlayer::ProcessAudioPlayer(QString player, QObject* parent) : QObject(parent), m_player(std::move(player))
{}

// A sound still playing ends with the program, as it would in the program's own process.
ProcessAudioPlayer::~ProcessAudioPlayer()
{
    for (QProcess* process : {m_current.data(), m_loading.data(), m_prepared.data()}) {
        discard(process);
    }
}

void ProcessAudioPlayer::play(const QString& file, float volume, std::function<void(const QString& description)> failed)
{
    // A sound still loading from an earlier call is superseded; it neither plays nor reports.
    discard(m_loading);
    QProcess* process = m_prepared && m_preparedFile == file ? m_prepared.data() : launch(file, volume);
    if (process == m_prepared) {
        m_prepared = nullptr;
    }
    m_loading = process;
    m_loadingFailed = std::move(failed);
    if (process->state() == QProcess::NotRunning) {
        process->start();
    }
    // Starting may already have failed and reported.
    if (m_loading == process) {
        process->write("play " + QByteArray::number(volume) + '\n');
    }
}

void ProcessAudioPlayer::prepare(const QString& file, float volume)
{
    if (m_prepared && m_preparedFile == file) {
        return;
    }
    discard(m_prepared);
    // It loads the sound at once and waits for the word to play it.
    m_prepared = launch(file, volume);
    m_preparedFile = file;
    m_prepared->start();
}

QProcess* ProcessAudioPlayer::launch(const QString& file, float volume)
{
    auto* process = new QProcess(this);
    process->setProgram(m_player);
    process->setArguments({file, QString::number(volume)});
    // What Qt Multimedia and GStreamer have to say goes where it went while they played in here.
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(process, &QProcess::readyReadStandardOutput, this, [this, process] { readAnswers(process); });
    connect(process, &QProcess::finished, this, [this, process](int code, QProcess::ExitStatus status) {
        readAnswers(process);
        ended(process, status == QProcess::CrashExit
                           ? QStringLiteral("the sound player crashed")
                           : QStringLiteral("the sound player ended with status %1").arg(code));
    });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            ended(process, QStringLiteral("cannot start %1: %2").arg(m_player, process->errorString()));
        }
    });
    return process;
}

void ProcessAudioPlayer::readAnswers(QProcess* process)
{
    while (process->canReadLine()) {
        const QString answer = QString::fromUtf8(process->readLine()).trimmed();
        if (answer == QLatin1String("started") && process == m_loading) {
            discard(m_current);
            m_current = process;
            m_loading = nullptr;
            m_loadingFailed = nullptr;
            Q_EMIT started();
        } else if (answer.startsWith(QLatin1String("failed "))) {
            ended(process, answer.mid(7));
            return;
        }
    }
}

void ProcessAudioPlayer::ended(QProcess* process, const QString& description)
{
    if (process != m_loading) {
        // A sound over, or a prepared one that died: the next play starts a player anew.
        discard(process);
        return;
    }
    const auto failed = std::exchange(m_loadingFailed, nullptr);
    discard(process);
    if (failed) {
        failed(description);
    }
}

void ProcessAudioPlayer::discard(QProcess* process)
{
    if (!process) {
        return;
    }
    if (process == m_loading) {
        m_loading = nullptr;
        m_loadingFailed = nullptr;
    }
    if (process == m_current) {
        m_current = nullptr;
    }
    if (process == m_prepared) {
        m_prepared = nullptr;
    }
    process->disconnect(this);
    process->kill();
    // Called from the process's own signals, so it must outlive the emission.
    process->deleteLater();
}
