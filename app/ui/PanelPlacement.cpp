// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/PanelPlacement.h"

#include <QGuiApplication>

#include <algorithm>

namespace {

// A status bar is never thicker than this; a click farther from every edge was not on one.
constexpr int edgeBand = 96;
// Where the desktop reserves no room for its bar (sway's bars under XWayland), the panel keeps
// clear of a bar this thick, as thick as the usual ones.
constexpr int unreservedBarThickness = 32;

enum class Edge { top, bottom, left, right };

int distanceToEdge(QPoint point, const QRect& screen)
{
    return std::min(
        {point.y() - screen.top(), screen.bottom() - point.y(), point.x() - screen.left(), screen.right() - point.x()});
}

bool nearAnEdge(QPoint point, const QRect& screen)
{
    return screen.contains(point) && distanceToEdge(point, screen) < edgeBand;
}

// Bars along the top or the bottom are the usual ones, so a click in a corner counts as theirs.
Edge nearestEdge(QPoint point, const QRect& screen)
{
    const int top = point.y() - screen.top();
    const int bottom = screen.bottom() - point.y();
    if (std::min(top, bottom) < edgeBand) {
        return top <= bottom ? Edge::top : Edge::bottom;
    }
    const int left = point.x() - screen.left();
    const int right = screen.right() - point.x();
    if (std::min(left, right) < edgeBand) {
        return left <= right ? Edge::left : Edge::right;
    }
    return top <= bottom ? Edge::top : Edge::bottom;
}

} // namespace

namespace PanelPlacement {

bool pointerFollowsClicks()
{
    return QGuiApplication::platformName() == QStringLiteral("xcb") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool underGnomeShell()
{
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP").contains(QStringLiteral("GNOME"));
}

QPoint anchor(QPoint hint, QPoint pointer, bool pointerReliable, const QRect& screen, const QRect& available)
{
    // A pointer away from every edge was not on a bar: the click came from the keyboard, or from
    // a host that clicks for the user (tests do), and the host's point is all there is.
    QPoint click = pointer;
    if ((!pointerReliable || !nearAnEdge(pointer, screen)) && nearAnEdge(hint, screen)) {
        click = hint;
    } else if (!screen.contains(click)) {
        click = screen.contains(hint) ? hint : screen.center();
    }
    // The edge from the click itself: clamped, a click on a top bar near a corner would seem to be
    // on the side.
    const Edge edge = nearestEdge(click, screen);
    click.setX(std::clamp(click.x(), available.left(), available.right()));
    click.setY(std::clamp(click.y(), available.top(), available.bottom()));
    switch (edge) {
    case Edge::top:
        return {click.x(), available.top() > screen.top() ? available.top() : available.top() + unreservedBarThickness};
    case Edge::bottom:
        return {click.x(), available.bottom() < screen.bottom() ? available.bottom() + 1
                                                                : available.bottom() + 1 - unreservedBarThickness};
    case Edge::left:
        return {available.left() > screen.left() ? available.left() : available.left() + unreservedBarThickness,
                click.y()};
    case Edge::right:
        return {available.right() < screen.right() ? available.right() : available.right() - unreservedBarThickness,
                click.y()};
    }
    return click;
}

QPoint topLeft(QPoint anchor, QSize panel, const QRect& available)
{
    int x = anchor.x() - panel.width() / 2;
    int y = anchor.y();
    if (y + panel.height() > available.bottom() + 1 && anchor.y() - panel.height() >= available.top()) {
        y = anchor.y() - panel.height();
    }
    x = std::clamp(x, available.left(), std::max(available.left(), available.right() - panel.width() + 1));
    y = std::clamp(y, available.top(), std::max(available.top(), available.bottom() - panel.height() + 1));
    return {x, y};
}

} // namespace PanelPlacement
