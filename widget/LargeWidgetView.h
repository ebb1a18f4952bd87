// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget/RevolutionaryDateEntry.h"

#include <QWidget>

// The large face: the date column with the civil date beside it, the day's item in a row
// below (none on the complementary days), and the weekday of the décade at the foot.
class LargeWidgetView final : public QWidget
{
    Q_OBJECT

public:
    LargeWidgetView(const RevolutionaryDateEntry& entry, const QString& resourceDirectory, QWidget* parent = nullptr);
};
