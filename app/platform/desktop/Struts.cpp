// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/desktop/Struts.h"

#include <algorithm>

namespace {

bool overlaps(int start, int end, int from, int to)
{
    return start <= to && end >= from;
}

} // namespace

Strut Strut::fromValues(const std::vector<quint32>& values, const QSize& root)
{
    const auto value = [&values](std::size_t index) { return static_cast<int>(values.at(index)); };
    Strut strut;
    if (values.size() < 4) {
        return strut;
    }
    strut.left = value(0);
    strut.right = value(1);
    strut.top = value(2);
    strut.bottom = value(3);
    if (values.size() >= 12) {
        strut.leftStartY = value(4);
        strut.leftEndY = value(5);
        strut.rightStartY = value(6);
        strut.rightEndY = value(7);
        strut.topStartX = value(8);
        strut.topEndX = value(9);
        strut.bottomStartX = value(10);
        strut.bottomEndX = value(11);
    } else {
        strut.leftEndY = strut.rightEndY = root.height() - 1;
        strut.topEndX = strut.bottomEndX = root.width() - 1;
    }
    return strut;
}

namespace Struts {

QRect workArea(const QRect& monitor, const QSize& root, const std::vector<Strut>& struts)
{
    int left = monitor.left();
    int right = monitor.right();
    int top = monitor.top();
    int bottom = monitor.bottom();
    for (const Strut& strut : struts) {
        if (strut.top > 0 && overlaps(strut.topStartX, strut.topEndX, monitor.left(), monitor.right()) &&
            strut.top > monitor.top()) {
            top = std::max(top, strut.top);
        }
        const int bottomEdge = root.height() - strut.bottom;
        if (strut.bottom > 0 && overlaps(strut.bottomStartX, strut.bottomEndX, monitor.left(), monitor.right()) &&
            bottomEdge <= monitor.bottom()) {
            bottom = std::min(bottom, bottomEdge - 1);
        }
        if (strut.left > 0 && overlaps(strut.leftStartY, strut.leftEndY, monitor.top(), monitor.bottom()) &&
            strut.left > monitor.left()) {
            left = std::max(left, strut.left);
        }
        const int rightEdge = root.width() - strut.right;
        if (strut.right > 0 && overlaps(strut.rightStartY, strut.rightEndY, monitor.top(), monitor.bottom()) &&
            rightEdge <= monitor.right()) {
            right = std::min(right, rightEdge - 1);
        }
    }
    // A strut deeper than the monitor (a dock on a neighbour that sticks out) leaves it whole.
    if (left > right || top > bottom) {
        return monitor;
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace Struts
