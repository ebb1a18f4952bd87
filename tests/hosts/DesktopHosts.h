// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/hosts/DesktopSession.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// What a host shows of our item, read from the host itself.
struct ItemView
{
    QRect item;                   // where a click lands on it
    QRect bar;                    // the bar that holds it
    int emojis = -1;              // month emoji drawn in and beside the item
    std::optional<QString> label; // the text beside it, where the host lets us read it
};

// One real status-bar host: how to start it headless, where it shows our item and its menu, and
// how it can lose the item again.
class DesktopHost
{
public:
    virtual ~DesktopHost() = default;

    virtual QString name() const = 0;
    // The host's own programs; a machine without them skips the host.
    virtual QStringList programs() const = 0;
    virtual QSize screenSize() const { return {1280, 800}; }

    // Starts the host on the session's screen and returns once its watcher is on the bus.
    virtual bool start(DesktopSession& session) = 0;
    // The environment the program runs in under this host (display, platform).
    virtual QProcessEnvironment programEnvironment(DesktopSession& session) const;
    // The command prefix that runs the program as the host's user, where that is not the test's.
    virtual QStringList programUser() const { return {}; }
    // The X display the program's windows are on (XWayland under a Wayland compositor).
    virtual QString programDisplay(DesktopSession& session) const { return session.display(); }

    virtual std::optional<ItemView> item(DesktopSession& session) = 0;
    virtual QImage screenshot(DesktopSession& session) { return session.screenshot(); }
    virtual void click(DesktopSession& session, QPoint point, int button) { session.click(point, button); }
    // The gesture that activates an item on this host: a left click, unless the host keeps that
    // for the item's menu.
    virtual void activate(DesktopSession& session, QPoint point) { click(session, point, 1); }
    virtual void key(DesktopSession& session, const QString& key) { session.key(key); }

    // Whether the host is drawing our item's menu now, with the entries it holds.
    virtual bool menuShown(DesktopSession& session) = 0;
    // Takes the item away as the host would when it goes: returns false where it cannot.
    virtual bool dropItem(DesktopSession& session) = 0;
    // Whether the host shows tooltips over its items at all.
    virtual bool showsToolTips() const { return true; }
    // Whether the host keeps a tray for XEmbed icons once the item is gone, and shows the program's
    // fallback icon in it now.
    virtual bool keepsATray() const { return false; }
    virtual bool fallbackShown(DesktopSession&) { return false; }
};

// The hosts by name: xfce, gnome-x11, gnome-wayland, mate, sway, kde.
std::unique_ptr<DesktopHost> desktopHost(const QString& name);

// Runs of columns holding the colours of the month emoji the tests run in (Frimaire's cold
// face, blue) inside `area`: a host that draws the emoji twice leaves two runs.
QList<QRect> emojiMarks(const QImage& screen, const QRect& area);
