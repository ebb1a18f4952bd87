// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgethost/WidgetKit.h"

#include <QList>
#include <QPoint>
#include <QString>

#include <memory>
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

// The placed widgets, kept in the host's settings file so that they come back at the next start.
// Bad stored values are skipped, never fatal; placements of widgets whose plug-in is missing
// for now are kept as they are. A file may ask for anything, so what it asks for is bounded:
// known sizes only, ids kept once, at most `maximumCount` placements, coordinates a desktop
// could have.
//
// The file passes the settings file's checks (SettingsFileCheck) at start and before every save.
// One that cannot be read is left alone; a damaged one puts no widget back and is moved aside
// for a fresh one the first time the placements change.
class PlacementStore final
{
public:
    static constexpr int maximumCount = 32;
    static constexpr int maximumCoordinate = 100000;

    // The user's: QuintavalWidgets.conf in the ConfigFolder.
    PlacementStore();
    explicit PlacementStore(const QString& fileName);
    ~PlacementStore();

    QList<Placement> load() const;
    // Replaces what is stored and writes it out at once; false when it could not be saved, which
    // is said once on standard error.
    bool save(const QList<Placement>& placements);

private:
    enum class FileState { usable, unreadable, damaged };

    PlacementStore(const std::optional<QString>& fileName, const QString& problem);

    bool checkBeforeSave();
    void warnOnce(bool& told, const QString& message);

    QString m_fileName;
    FileState m_state = FileState::usable;
    // Only once the file is known to be fit: QSettings reads it on construction.
    std::unique_ptr<QSettings> m_settings;
    bool m_toldNotSaved = false;
    bool m_toldSaveFailed = false;
};
