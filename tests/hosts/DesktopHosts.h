// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/hosts/DesktopSession.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// How a host lays out its bar for one run: which edge, on which of the monitors, how thick.
// Each ctest entry names one (QUINTAVAL_HOST, and QUINTAVAL_LAYOUT unless it is the host's own).
struct HostLayout
{
    QString host = {};
    QString name = {};
    Qt::Edge edge = Qt::TopEdge;
    // Side by side on one wide X screen; the bar's monitor holds the screen's one output (the X
    // server has no other), so that the GTK hosts, which only see monitors with an output, see it.
    QList<QRect> monitors = {QRect(0, 0, 1280, 800)};
    int barMonitor = 0;
    // The bar's thickness where the layout sets it (0: the host's own); away from 32 px, what the
    // program would guess without the desktop's word.
    int barThickness = 0;
    // The desktop's scale, which the program follows through Xft.dpi.
    int scale = 1;
    // The program's own settings for the layout, as lines of its settings file.
    QString preferences = {};
    // Whether the desktop prefers dark colours (GNOME's colour scheme).
    bool dark = false;
    // XFCE: a generic monitor plugin (genmon) before the tray, running quintaval-title with these
    // arguments; the test fills in the command that runs it at its instant.
    QString genmon = {};

    QSize screenSize() const;
    QRect barMonitorGeometry() const { return monitors.at(barMonitor); }
    bool vertical() const { return edge == Qt::LeftEdge || edge == Qt::RightEdge; }
};

// The layout named `layout` for `host` (empty: the host's own), from the table the tests run;
// none when the table has no such row.
std::optional<HostLayout> hostLayout(const QString& host, const QString& layout = {});

// GNOME's colour preference in the layout, as lines of the org/gnome/desktop/interface group of a
// settings key file (none where the layout has no preference).
QByteArray gnomeColorScheme(const HostLayout& layout);

// What a host shows of our item, read from the host itself.
struct ItemView
{
    QRect item;                   // where a click lands on it
    QRect bar;                    // the bar that holds it
    int emojis = -1;              // month emoji drawn in and beside the item
    std::optional<QString> label; // the text beside it, where the host lets us read it
    QString description = {};     // what it tells a screen reader besides, where the host lets us read it
};

// One real status-bar host: how to start it headless in a layout, where it shows our item and its
// menu, and how it can lose the item again.
class DesktopHost
{
public:
    explicit DesktopHost(HostLayout layout) : m_layout(std::move(layout)) {}
    virtual ~DesktopHost() = default;

    virtual QString name() const = 0;
    // The host's own programs; a machine without them skips the host.
    virtual QStringList programs() const = 0;
    const HostLayout& layout() const { return m_layout; }
    QSize screenSize() const { return m_layout.screenSize(); }

    // Starts the host on the session's screen and returns once its watcher is on the bus.
    virtual bool start(DesktopSession& session) = 0;
    // The environment the program runs in under this host (display, platform).
    virtual QProcessEnvironment programEnvironment(DesktopSession& session) const;
    // What the program reads of the desktop's own settings, as a GSettings key file: in a real
    // session the two share one settings store. Empty where the layout sets nothing.
    virtual QByteArray sharedSettings() const;
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
    // Ends the bar's process (or the part that holds the watcher) and starts it again, as a user
    // or an update does: returns once the old one has left the bus and the new one is starting,
    // false where the session cannot outlive it.
    virtual bool restartBar(DesktopSession& session) = 0;
    // Whether the host takes its monitors from RandR's monitors, which the tests cut the virtual
    // screen into, rather than from its outputs alone (the virtual screen has one).
    virtual bool seesRandrMonitors() const { return true; }

    // Puts `programs` (name: the script's text) where the host's applets find commands (its user's
    // ~/.local/bin), installs the applet package at `package` as its user would and adds the applet
    // to the bar: false where the host takes no applet of ours.
    virtual bool addApplet(DesktopSession&, const QString& /*package*/, const QHash<QString, QByteArray>& /*programs*/)
    {
        return false;
    }
    // Takes the applet off the bar again, leaving the bar as the other checks know it.
    virtual void removeApplet(DesktopSession&) {}
    // Our applet as the host shows it, read through the host's accessibility tree: its place, its
    // bar, and its text as the label; none while it shows no text or one other than `expected`.
    virtual std::optional<ItemView> applet(DesktopSession&, const QStringList& /*expected*/) { return std::nullopt; }

protected:
    HostLayout m_layout;
};

// The hosts by name (xfce, gnome-x11, gnome-wayland, mate, sway, kde), in a layout of theirs.
std::unique_ptr<DesktopHost> desktopHost(const HostLayout& layout);

// Runs of rows or columns (across a bar of the given orientation) holding the colours of the
// month emoji the tests run in (Frimaire's cold face, blue) inside `area`: a host that draws the
// emoji twice leaves two runs.
QList<QRect> emojiMarks(const QImage& screen, const QRect& area, Qt::Orientation along = Qt::Horizontal);
