// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget/RevolutionaryDateEntry.h"

#include <QWidget>

// The small face: the day number above, month and year at the foot. Never the item.
class SmallWidgetView final : public QWidget
{
    Q_OBJECT

public:
    explicit SmallWidgetView(const RevolutionaryDateEntry& entry, QWidget* parent = nullptr);
};
