// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/state/MenuBarFormat.h"
#include "calendar/LeapRule.h"

// The two settings the title is made by. As constructed, what is read when none is stored: the
// preference keys take their fallbacks from here, and so does quintaval-title's cheap path.
struct TitleChoices
{
    MenuBarFormat format = MenuBarFormat::dateAndTime;
    LeapRule leapRule = LeapRule::continuous;
};
