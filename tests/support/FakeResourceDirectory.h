// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/ResourceDirectory.h"

#include <QSet>

// Resources the test declares present, at made-up paths "res:<name>.<extension>".
class FakeResourceDirectory final : public ResourceDirectory
{
public:
    std::optional<QString> find(const QString& name, const QString& extension) const override
    {
        const QString file = name + QLatin1Char('.') + extension;
        if (!m_present.contains(file)) {
            return std::nullopt;
        }
        return QStringLiteral("res:") + file;
    }

    void add(const QString& file) { m_present.insert(file); }

private:
    QSet<QString> m_present;
};
