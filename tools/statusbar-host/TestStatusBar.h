// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantMap>

class StatusBarWindow;
class StatusNotifierWatcher;

// org.quintaval.TestStatusBar: what the bar shows, read and driven by tests and scripts.
class TestStatusBar final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.quintaval.TestStatusBar")

public:
    TestStatusBar(StatusNotifierWatcher* watcher, StatusBarWindow* bar, QObject* parent = nullptr);

public Q_SLOTS:
    // The registered items, as the watcher names them.
    Q_SCRIPTABLE QStringList Items() const;
    // Everything the bar read of the item: its properties, its place on the bar (left, top,
    // width, height, global), the number of change signals it sent and of property reads.
    // Empty for an unknown item.
    Q_SCRIPTABLE QVariantMap Item(const QString& key) const;
    // Clicks the item with "left", "right" or "middle"; false for an unknown item.
    Q_SCRIPTABLE bool Click(const QString& key, const QString& button);
    // Drops the item as GNOME's extension does with one it cannot draw: off the list, with
    // StatusNotifierItemUnregistered. False for an unknown item.
    Q_SCRIPTABLE bool Drop(const QString& key);
    // Saves a PNG of the bar, or of the whole screen.
    Q_SCRIPTABLE bool Screenshot(const QString& path, bool wholeScreen);
    // Saves a PNG of a part of the screen (a window the caller located, say).
    Q_SCRIPTABLE bool ScreenshotArea(const QString& path, int x, int y, int width, int height);
    // Saves a PNG of the item's pictures of 16, 22 and 24 px, as trays that show icons alone draw
    // them, on a light and on a dark panel, each at its size and four times enlarged. False for an
    // unknown item or one without those sizes.
    Q_SCRIPTABLE bool SaveIcons(const QString& key, const QString& path);
    Q_SCRIPTABLE void Quit();

private:
    StatusNotifierWatcher* m_watcher;
    StatusBarWindow* m_bar;
};
