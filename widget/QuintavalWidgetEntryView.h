// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget/RevolutionaryDateEntry.h"
#include "widgethost/WidgetKit.h"

#include <QWidget>

// Draws an entry in the face for the widget's size: small, medium or large, and the small one
// for any other size a host may offer. Always in the light scheme.
class QuintavalWidgetEntryView final : public QWidget
{
    Q_OBJECT

public:
    QuintavalWidgetEntryView(WidgetKit::WidgetFamily family, const RevolutionaryDateEntry& entry,
                             const QString& resourceDirectory, QWidget* parent = nullptr);

    // The face chosen for the family.
    QWidget* face() const { return m_face; }

private:
    QWidget* m_face = nullptr;
};
