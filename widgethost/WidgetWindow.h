// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgethost/HostClock.h"
#include "widgethost/TimelineKeeper.h"
#include "widgethost/WidgetKit.h"

#include <QImage>
#include <QWidget>

// One placed widget: a frameless window kept below the normal ones, showing the current entry
// of its timeline. It is moved by dragging and removed from its context menu.
class WidgetWindow final : public QWidget
{
    Q_OBJECT

public:
    WidgetWindow(const QString& placementId, const WidgetKit::WidgetConfiguration& configuration,
                 WidgetKit::WidgetFamily family, HostClock& clock, WidgetKit::ColorScheme desktopScheme);

    QString placementId() const { return m_placementId; }
    TimelineKeeper& keeper() { return m_keeper; }
    // What the window shows now.
    QImage face() const { return m_face; }

    void setDesktopScheme(WidgetKit::ColorScheme scheme);

Q_SIGNALS:
    void moved(const QString& placementId, const QPoint& position);
    void removeRequested(const QString& placementId);
    void galleryRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;

private:
    void redraw();

    QString m_placementId;
    WidgetKit::WidgetConfiguration m_configuration;
    WidgetKit::WidgetFamily m_family;
    WidgetKit::ColorScheme m_desktopScheme;
    TimelineKeeper m_keeper;
    QImage m_face;
    // Where the pointer grabbed the window, while dragging it by hand.
    std::optional<QPoint> m_dragOffset;
};
