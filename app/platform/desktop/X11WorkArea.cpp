// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/desktop/X11WorkArea.h"

#include "app/platform/desktop/Struts.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QScreen>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

struct FreeDeleter
{
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t atom(xcb_connection_t* connection, const QByteArray& name)
{
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<quint16>(name.size()), name.constData()), nullptr));
    return reply ? reply->atom : XCB_ATOM_NONE;
}

// The 32-bit values of a window's property; empty when it has none.
std::vector<quint32> cardinals(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    if (property == XCB_ATOM_NONE) {
        return {};
    }
    const XcbReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, property, type, 0, 4096), nullptr));
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* values = static_cast<const quint32*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

bool isViewable(xcb_connection_t* connection, xcb_window_t window)
{
    const XcbReply<xcb_get_window_attributes_reply_t> reply(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr));
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

// The windows that may be docks: those the window manager lists, and the root's own children, which
// is where docks live when no window manager frames them.
std::vector<xcb_window_t> candidateWindows(xcb_connection_t* connection, xcb_window_t root)
{
    std::vector<xcb_window_t> windows;
    for (const quint32 window : cardinals(connection, root, atom(connection, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW)) {
        windows.push_back(window);
    }
    const XcbReply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr));
    if (tree) {
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        windows.insert(windows.end(), children, children + xcb_query_tree_children_length(tree.get()));
    }
    std::sort(windows.begin(), windows.end());
    windows.erase(std::unique(windows.begin(), windows.end()), windows.end());
    return windows;
}

// mutter's own reckoning, one rectangle per monitor, for the current workspace.
std::optional<QRect> gtkWorkArea(xcb_connection_t* connection, xcb_window_t root, const QRect& monitor)
{
    const auto desktop = cardinals(connection, root, atom(connection, "_NET_CURRENT_DESKTOP"), XCB_ATOM_CARDINAL);
    const QByteArray name = "_GTK_WORKAREAS_D" + QByteArray::number(desktop.empty() ? 0 : desktop.front());
    const auto values = cardinals(connection, root, atom(connection, name), XCB_ATOM_CARDINAL);
    for (std::size_t at = 0; at + 4 <= values.size(); at += 4) {
        const QRect area(static_cast<int>(values[at]), static_cast<int>(values[at + 1]),
                         static_cast<int>(values[at + 2]), static_cast<int>(values[at + 3]));
        if (monitor.contains(area.center())) {
            return area.intersected(monitor);
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<QRect> X11WorkArea::available(const QRect& screen) const
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11) {
        return std::nullopt;
    }
    xcb_connection_t* connection = x11->connection();
    const xcb_screen_t* xScreen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!xScreen) {
        return std::nullopt;
    }
    // X speaks in device pixels, Qt in logical ones; X11 has one scale for every monitor.
    const QScreen* qtScreen = QGuiApplication::screenAt(screen.center());
    const qreal scale = qtScreen ? qtScreen->devicePixelRatio() : 1.0;
    const QRect monitor(QPoint(qRound(screen.left() * scale), qRound(screen.top() * scale)),
                        QSize(qRound(screen.width() * scale), qRound(screen.height() * scale)));
    const QSize root(xScreen->width_in_pixels, xScreen->height_in_pixels);

    std::optional<QRect> area = gtkWorkArea(connection, xScreen->root, monitor);
    if (!area) {
        const xcb_atom_t partial = atom(connection, "_NET_WM_STRUT_PARTIAL");
        const xcb_atom_t plain = atom(connection, "_NET_WM_STRUT");
        std::vector<Strut> struts;
        for (const xcb_window_t window : candidateWindows(connection, xScreen->root)) {
            auto values = cardinals(connection, window, partial, XCB_ATOM_CARDINAL);
            if (values.empty()) {
                values = cardinals(connection, window, plain, XCB_ATOM_CARDINAL);
            }
            if (!values.empty() && isViewable(connection, window)) {
                struts.push_back(Strut::fromValues(values, root));
            }
        }
        if (struts.empty()) {
            return std::nullopt;
        }
        area = Struts::workArea(monitor, root, struts);
    }
    return QRect(QPoint(qRound(area->left() / scale), qRound(area->top() / scale)),
                 QSize(qRound(area->width() / scale), qRound(area->height() / scale)));
}
