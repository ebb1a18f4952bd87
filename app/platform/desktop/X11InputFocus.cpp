// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/desktop/X11InputFocus.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

void X11InputFocus::retake(QWindow* window)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !window || !window->isVisible()) {
        return;
    }
    // At the current time: Qt's last known server time may predate the window manager's own last
    // change of focus, and the server ignores a request older than that.
    xcb_connection_t* connection = x11->connection();
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, XCB_NONE, XCB_CURRENT_TIME);
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, static_cast<xcb_window_t>(window->winId()),
                        XCB_CURRENT_TIME);
    xcb_flush(connection);
}
