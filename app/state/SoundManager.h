// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <QString>

#include <memory>
#include <optional>

class AudioPlayer;
class Preferences;
class ResourceDirectory;
class SystemBeep;

// The hourly chime: whether it sounds, and playing it. Chimes are on from the first launch until
// the user switches them off.
class SoundManager final : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        std::shared_ptr<Preferences> preferences;
        std::shared_ptr<const ResourceDirectory> resources;
        std::shared_ptr<AudioPlayer> player;
        std::shared_ptr<SystemBeep> beep;
    };

    static constexpr float chimeVolume = 0.6f;

    // Hands the real services to the shared instance; call before its first use. False (and
    // nothing changed) once the shared instance exists.
    static bool configureShared(Services services);
    // The process-wide instance, created on first use.
    static SoundManager& shared();

    explicit SoundManager(Services services, QObject* parent = nullptr);

    bool soundEnabled() const { return m_soundEnabled; }
    // Publishes and stores the choice, also when it is unchanged.
    void setSoundEnabled(bool enabled);

    // Plays the chime from its beginning if chimes are on; a system beep stands in when the
    // sound is missing or cannot be played.
    void playHourChime();
    // Gets the chime ready ahead of the hour, if chimes are on, so that it starts on the hour.
    void prepareHourChime();

Q_SIGNALS:
    void changed();

private:
    std::optional<QString> chimeFile() const;
    void playSound(const QString& file);

    Services m_services;
    bool m_soundEnabled = false;
};
