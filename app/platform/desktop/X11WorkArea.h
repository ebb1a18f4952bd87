// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/WorkArea.h"

// What the docks of an X11 desktop leave of each monitor. With more than one monitor Qt reports a
// monitor's whole area as available (the window manager's _NET_WORKAREA spans them all), so the
// bars are asked themselves: mutter's per-monitor _GTK_WORKAREAS_D<n> where it is set, else the
// _NET_WM_STRUT_PARTIAL of every dock. Read afresh at each call, so a bar that moves is followed.
class X11WorkArea final : public WorkArea
{
public:
    std::optional<QRect> available(const QRect& screen) const override;
};
