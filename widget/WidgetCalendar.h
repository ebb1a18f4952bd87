// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DailyItems.h"
#include "calendar/Instant.h"
#include "calendar/RevolutionaryCalendar.h"

// The calendar core's types under the names the widget's entries, faces and host conversions
// were written with.
using WidgetInstant = Instant;
using WidgetRevolutionaryDate = RevolutionaryDate;
using WidgetDailyItem = DailyItem;
