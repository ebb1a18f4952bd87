// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgethost/GalleryWindow.h"
#include "widgethost/HostClock.h"
#include "widgethost/PlacementStore.h"
#include "widgethost/WidgetKit.h"
#include "widgethost/WidgetWindow.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

// The interactive host: puts back the widgets placed before, adds and removes widgets, keeps
// their placements stored and hands the desktop's colour scheme to them.
class WidgetHost final : public QObject
{
    Q_OBJECT

public:
    WidgetHost(QList<WidgetKit::WidgetConfiguration> widgets, QStringList problems, PlacementStore& store,
               HostClock& clock, QObject* parent = nullptr);
    ~WidgetHost() override;

    // Restores the stored placements; opens the gallery when nothing is placed.
    void start();

    void showGallery();
    // Places a new widget and stores it; false for a kind or size no plug-in offers.
    bool addWidget(const QString& kind, WidgetKit::WidgetFamily family);
    void removeWidget(const QString& placementId);

    QList<WidgetWindow*> windows() const;
    GalleryWindow* gallery() const { return m_gallery; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const WidgetKit::WidgetConfiguration* configuration(const QString& kind) const;
    WidgetWindow* open(const Placement& placement);
    QPoint freePosition(WidgetKit::WidgetFamily family) const;
    void moved(const QString& placementId, const QPoint& position);
    void store();
    void quitWhenNothingIsLeft();

    QList<WidgetKit::WidgetConfiguration> m_widgets;
    QStringList m_problems;
    PlacementStore& m_store;
    HostClock& m_clock;
    QList<Placement> m_placements;
    QList<QPointer<WidgetWindow>> m_windows;
    QPointer<GalleryWindow> m_gallery;
    // Dragging moves a window many times a second; the store is written once it comes to rest.
    QTimer m_storeTimer;
    WidgetKit::ColorScheme m_desktopScheme;
};
