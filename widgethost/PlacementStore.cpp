// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgethost/PlacementStore.h"

#include <QDebug>
#include <QSet>
#include <QSettings>
#include <QUuid>

#include <algorithm>
#include <cstdlib>

namespace {

const QString arrayKey = QStringLiteral("placements");
const QString idKey = QStringLiteral("id");
const QString kindKey = QStringLiteral("kind");
const QString familyKey = QStringLiteral("family");
const QString xKey = QStringLiteral("x");
const QString yKey = QStringLiteral("y");

std::optional<int> storedCoordinate(const QSettings& settings, const QString& key)
{
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok && std::abs(value) <= PlacementStore::maximumCoordinate ? std::optional<int>(value) : std::nullopt;
}

} // namespace

QList<Placement> PlacementStore::load() const
{
    QList<Placement> placements;
    QSet<QString> ids;
    const int stored = m_settings.beginReadArray(arrayKey);
    if (stored > maximumCount) {
        qWarning().noquote() << QStringLiteral("quintaval-widgets: the placements file lists %1 widgets; only the "
                                               "first %2 are placed.")
                                    .arg(stored)
                                    .arg(maximumCount);
    }
    for (int i = 0; i < std::min(stored, maximumCount); ++i) {
        m_settings.setArrayIndex(i);
        Placement placement;
        placement.kind = m_settings.value(kindKey).toString();
        const auto family = WidgetKit::familyFromName(m_settings.value(familyKey).toString());
        if (placement.kind.isEmpty() || !family) {
            continue;
        }
        placement.family = *family;
        placement.id = m_settings.value(idKey).toString();
        // The same widget listed twice is one widget: removing goes by the id, and a second
        // window of it could never be removed on its own.
        if (ids.contains(placement.id)) {
            continue;
        }
        if (placement.id.isEmpty()) {
            placement.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        }
        ids.insert(placement.id);
        const auto x = storedCoordinate(m_settings, xKey);
        const auto y = storedCoordinate(m_settings, yKey);
        if (x && y) {
            placement.position = QPoint(*x, *y);
        }
        placements << placement;
    }
    m_settings.endArray();
    return placements;
}

void PlacementStore::save(const QList<Placement>& placements)
{
    m_settings.remove(arrayKey);
    m_settings.beginWriteArray(arrayKey, static_cast<int>(placements.size()));
    for (int i = 0; i < placements.size(); ++i) {
        const Placement& placement = placements[i];
        m_settings.setArrayIndex(i);
        m_settings.setValue(idKey, placement.id);
        m_settings.setValue(kindKey, placement.kind);
        m_settings.setValue(familyKey, WidgetKit::familyName(placement.family));
        if (placement.position) {
            m_settings.setValue(xKey, placement.position->x());
            m_settings.setValue(yKey, placement.position->y());
        }
    }
    m_settings.endArray();
    m_settings.sync();
}
