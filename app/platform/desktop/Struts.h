// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

#include <vector>

// The room a dock (a panel, a bar) reserves along an edge of the whole X screen, as it states it in
// _NET_WM_STRUT_PARTIAL: how deep from each edge, and over which stretch of that edge.
struct Strut
{
    int left = 0, right = 0, top = 0, bottom = 0;
    int leftStartY = 0, leftEndY = 0, rightStartY = 0, rightEndY = 0;
    int topStartX = 0, topEndX = 0, bottomStartX = 0, bottomEndX = 0;

    // From the property's twelve values; a plain _NET_WM_STRUT's four reserve the whole edge.
    static Strut fromValues(const std::vector<quint32>& values, const QSize& root);
};

namespace Struts {

// What the docks leave of `monitor` (all in the X screen's pixels, `root` its size). A strut is
// measured from the edge of the whole screen, so on a screen of several monitors a bottom bar on a
// shorter one reserves more than its own height, and only monitors its stretch crosses lose room.
QRect workArea(const QRect& monitor, const QSize& root, const std::vector<Strut>& struts);

} // namespace Struts
