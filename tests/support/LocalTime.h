// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/Instant.h"

#include <QString>

// The instant at which the local clock shows the given time (the test fails loudly if it
// cannot be built), and the local clock reading of an instant as "2026-12-07 10:40:00".
Instant localInstant(int year, int month, int day, int hour = 12, int minute = 0, int second = 0);
QString localText(Instant instant);
