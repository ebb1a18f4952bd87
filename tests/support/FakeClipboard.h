// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/Clipboard.h"

#include <QStringList>

// Remembers every text put on it.
class FakeClipboard final : public Clipboard
{
public:
    void setText(const QString& text) override { m_texts.append(text); }

    QString text() const { return m_texts.isEmpty() ? QString() : m_texts.last(); }
    qsizetype copies() const { return m_texts.size(); }

private:
    QStringList m_texts;
};
