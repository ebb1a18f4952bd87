// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/QuintavalWidgetEntryView.h"

#include "widget/LargeWidgetView.h"
#include "widget/MediumWidgetView.h"
#include "widget/SmallWidgetView.h"
#include "widget/WidgetStyle.h"

#include <QVBoxLayout>

QuintavalWidgetEntryView::QuintavalWidgetEntryView(WidgetKit::WidgetFamily family, const RevolutionaryDateEntry& entry,
                                                   const QString& resourceDirectory, QWidget* parent)
    : QWidget(parent)
{
    // Set on the view itself so that a dark application palette never reaches the faces.
    setPalette(WidgetStyle::lightPalette());
    switch (family) {
    case WidgetKit::WidgetFamily::medium:
        m_face = new MediumWidgetView(entry, resourceDirectory);
        break;
    case WidgetKit::WidgetFamily::large:
        m_face = new LargeWidgetView(entry, resourceDirectory);
        break;
    default:
        m_face = new SmallWidgetView(entry);
        break;
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_face);
}
