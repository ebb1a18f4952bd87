// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/title/TitleSource.h"

#include "app/platform/files/SettingsPreferences.h"
#include "app/state/Catalog.h"
#include "app/state/LeapRuleChoice.h"
#include "app/state/PreferenceKeys.h"
#include "app/state/TitleLine.h"
#include "app/title/GenmonText.h"

#include <QFile>

TitleSource::TitleSource(const TitleOptions& options)
    : m_givenFormat(options.format), m_givenRule(options.leapRule), m_json(options.json), m_genmon(options.genmon)
{
    reloadSettings();
}

std::string TitleSource::line(Instant now) const
{
    if (m_genmon) {
        return GenmonText::render(now, m_format, m_rule, Catalog::translate);
    }
    return TitleLine::render(now, m_format, m_json, m_rule);
}

Instant TitleSource::nextChange(Instant now) const
{
    return TitleLine::nextChange(now, TitleLine::showsTime(m_format, m_json));
}

std::optional<std::string> TitleSource::settingsFile() const
{
    if (m_givenFormat && m_givenRule) {
        return std::nullopt;
    }
    return QFile::encodeName(SettingsPreferences().fileName()).toStdString();
}

void TitleSource::reloadSettings()
{
    if (m_givenFormat && m_givenRule) {
        m_format = *m_givenFormat;
        m_rule = *m_givenRule;
        return;
    }
    const SettingsPreferences preferences(PreferenceKeys::schema());
    m_format = m_givenFormat.value_or(preferences.read(PreferenceKeys::menuBarFormat));
    m_rule = m_givenRule ? *m_givenRule : LeapRuleChoice::read(preferences, m_reportedRule);
}
