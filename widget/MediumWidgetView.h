// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget/RevolutionaryDateEntry.h"

#include <QWidget>

// The medium face: the date column at the leading edge, the day's item with its engraving at
// the trailing one (none on the complementary days).
class MediumWidgetView final : public QWidget
{
    Q_OBJECT

public:
    MediumWidgetView(const RevolutionaryDateEntry& entry, const QString& resourceDirectory, QWidget* parent = nullptr);
};
