// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/Preferences.h"

#include <QStringList>
#include <QVariantMap>

// Preferences in memory, with a log of the keys written in order. When told that saving
// fails it keeps the values all the same, as the real store does for the rest of a run.
class FakePreferences final : public Preferences
{
public:
    QVariant value(QAnyStringView key) const override { return m_values.value(key.toString()); }

    bool setValue(QAnyStringView key, const QVariant& value) override
    {
        m_values.insert(key.toString(), value);
        m_written.append(key.toString());
        return !m_failSaving;
    }

    // Puts a value in place as if an earlier run (or a hand-edited file) had stored it.
    template <typename T>
    void store(const PreferenceKey<T>& key, const QVariant& value)
    {
        m_values.insert(QString::fromLatin1(key.name), value);
    }

    template <typename T>
    QVariant stored(const PreferenceKey<T>& key) const
    {
        return m_values.value(QString::fromLatin1(key.name));
    }

    // How often the key was written since the last forgetWrites().
    template <typename T>
    qsizetype writes(const PreferenceKey<T>& key) const
    {
        return m_written.count(QString::fromLatin1(key.name));
    }

    const QVariantMap& values() const { return m_values; }
    const QStringList& writtenKeys() const { return m_written; }
    void forgetWrites() { m_written.clear(); }
    void setFailSaving(bool fail) { m_failSaving = fail; }

private:
    QVariantMap m_values;
    QStringList m_written;
    bool m_failSaving = false;
};
