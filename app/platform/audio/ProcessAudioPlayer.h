// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/AudioPlayer.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QProcess;

// Plays each sound in a player process of its own (quintaval-play) that leaves once the sound is
// over. Qt Multimedia, GStreamer and the sound server's client cost some twenty megabytes, a few
// threads and descriptors from the moment they are loaded, and nothing unloads them again: in the
// program they would stay for good after its first chime, for a few seconds of sound an hour.
class ProcessAudioPlayer final : public QObject, public AudioPlayer
{
    Q_OBJECT

public:
    // The player installed beside the running program, or built beside it in the build tree.
    static QString playerForRunningProgram();

    explicit ProcessAudioPlayer(QString player = playerForRunningProgram(), QObject* parent = nullptr);
    ~ProcessAudioPlayer() override;

    void play(const QString& file, float volume, std::function<void(const QString& description)> failed) override;
    void prepare(const QString& file, float volume) override;

Q_SIGNALS:
    // A new sound has loaded and started.
    void started();

private:
    QProcess* launch(const QString& file, float volume);
    void readAnswers(QProcess* process);
    void ended(QProcess* process, const QString& description);
    void discard(QProcess* process);

    QString m_player;
    QPointer<QProcess> m_current;
    QPointer<QProcess> m_loading;
    QPointer<QProcess> m_prepared;
    QString m_preparedFile;
    std::function<void(const QString&)> m_loadingFailed;
};
