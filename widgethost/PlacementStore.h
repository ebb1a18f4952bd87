// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgethost/WidgetKit.h"

#include <QList>
#include <QPoint>
#include <QString>

#include <optional>

class QSettings;

// Where a widget has been placed on the desktop.
struct Placement
{
    QString id;
    QString kind;
    WidgetKit::WidgetFamily family = WidgetKit::WidgetFamily::small;
    std::optional<QPoint> position; // none: the host picks one
    bool operator==(const Placement&) const = default;
};

// The placed widgets, kept in the host's settings so that they come back at the next start.
// Bad stored values are skipped, never fatal; placements of widgets whose plug-in is missing
// for now are kept as they are. A file may ask for anything, so what it asks for is bounded:
// known sizes only, ids kept once, at most `maximumCount` placements, coordinates a desktop
// could have.
class PlacementStore final
{
public:
    static constexpr int maximumCount = 32;
    static constexpr int maximumCoordinate = 100000;

    explicit PlacementStore(QSettings& settings) : m_settings(settings) {}

    QList<Placement> load() const;
    // Replaces what is stored and writes it out at once.
    void save(const QList<Placement>& placements);

private:
    QSettings& m_settings;
};
