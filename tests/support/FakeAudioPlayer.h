// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/AudioPlayer.h"

#include <QStringList>

// Records what it is asked to play; a file the test marks bad fails at once with its description.
class FakeAudioPlayer final : public AudioPlayer
{
public:
    void play(const QString& file, float volume, std::function<void(const QString&)> failed) override
    {
        m_played.append(file);
        m_lastVolume = volume;
        if (file == m_badFile) {
            failed(m_badDescription);
        }
    }

    void prepare(const QString& file, float) override { m_prepared.append(file); }

    void failOn(const QString& file, const QString& description)
    {
        m_badFile = file;
        m_badDescription = description;
    }

    const QStringList& played() const { return m_played; }
    const QStringList& prepared() const { return m_prepared; }
    float lastVolume() const { return m_lastVolume; }

private:
    QStringList m_played;
    QStringList m_prepared;
    float m_lastVolume = 0;
    QString m_badFile;
    QString m_badDescription;
};
