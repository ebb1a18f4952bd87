// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/SoundManager.h"

#include "app/platform/AudioPlayer.h"
#include "app/platform/ResourceDirectory.h"
#include "app/platform/SystemBeep.h"
#include "app/state/PreferenceKeys.h"
#include "app/state/SharedInstance.h"

#include <QPointer>

#include <cstdio>

namespace {

SharedInstance<SoundManager>& sharedSound()
{
    static SharedInstance<SoundManager> instance("SoundManager");
    return instance;
}

} // namespace

bool SoundManager::configureShared(Services services)
{
    return sharedSound().configure(std::move(services));
}

SoundManager& SoundManager::shared()
{
    return sharedSound().get();
}

SoundManager::SoundManager(Services services, QObject* parent) : QObject(parent), m_services(std::move(services))
{
    Preferences& preferences = *m_services.preferences;
    m_soundEnabled = preferences.read(PreferenceKeys::soundEnabled);
    // A flag that cannot be read is no sign of a first launch when a valid choice stands beside it.
    const bool launchedBefore = preferences.read(PreferenceKeys::hasLaunchedBefore) ||
                                (preferences.holdsUnreadable(PreferenceKeys::hasLaunchedBefore) &&
                                 preferences.stored(PreferenceKeys::soundEnabled));
    if (!launchedBefore) {
        setSoundEnabled(true);
        preferences.write(PreferenceKeys::hasLaunchedBefore, true);
    }
}

void SoundManager::setSoundEnabled(bool enabled)
{
    m_soundEnabled = enabled;
    Q_EMIT changed();
    m_services.preferences->write(PreferenceKeys::soundEnabled, enabled);
}

void SoundManager::playHourChime()
{
    if (!m_soundEnabled) {
        return;
    }
    if (const auto file = chimeFile()) {
        playSound(*file);
    } else {
        m_services.beep->beep();
    }
}

void SoundManager::prepareHourChime()
{
    if (!m_soundEnabled) {
        return;
    }
    if (const auto file = chimeFile()) {
        m_services.player->prepare(*file, chimeVolume);
    }
}

std::optional<QString> SoundManager::chimeFile() const
{
    for (const char* extension : {"mp3", "m4a", "wav"}) {
        if (const auto file = m_services.resources->find(QStringLiteral("marseillaise"), QLatin1String(extension))) {
            return file;
        }
    }
    return std::nullopt;
}

void SoundManager::playSound(const QString& file)
{
    const QPointer<SoundManager> self(this);
    m_services.player->play(file, chimeVolume, [self](const QString& description) {
        if (!self) {
            return;
        }
        std::printf("Failed to play sound: %s\n", description.toLocal8Bit().constData());
        std::fflush(stdout);
        self->m_services.beep->beep();
    });
}
