// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/title/TitleSource.h"

#include "app/platform/files/SettingsPreferences.h"
#include "app/state/PreferenceKeys.h"
#include "app/state/TitleLine.h"

#include <QFile>

namespace {

MenuBarFormat storedFormat()
{
    const SettingsPreferences preferences(PreferenceKeys::schema());
    return preferences.read(PreferenceKeys::menuBarFormat);
}

} // namespace

TitleSource::TitleSource(const TitleOptions& options) : m_given(options.format), m_json(options.json)
{
    reloadSettings();
}

std::string TitleSource::line(Instant now) const
{
    return TitleLine::render(now, m_format, m_json);
}

Instant TitleSource::nextChange(Instant now) const
{
    return TitleLine::nextChange(now, TitleLine::showsTime(m_format, m_json));
}

std::optional<std::string> TitleSource::settingsFile() const
{
    if (m_given) {
        return std::nullopt;
    }
    return QFile::encodeName(SettingsPreferences().fileName()).toStdString();
}

void TitleSource::reloadSettings()
{
    m_format = m_given ? *m_given : storedFormat();
}
