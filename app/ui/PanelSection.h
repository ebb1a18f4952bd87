// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class CalendarManager;
class PanelStyle;

// One band of the panel. The panel hands every section the manager and the style on each
// change; a section rewrites only what differs from what it shows.
class PanelSection : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    virtual void refresh(const CalendarManager& calendar, const PanelStyle& style) = 0;
};
