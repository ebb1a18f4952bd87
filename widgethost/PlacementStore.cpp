// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgethost/PlacementStore.h"

#include "common/ConfigFolder.h"
#include "app/platform/files/SettingsFileCheck.h"

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

std::optional<QString> userFileName(QString* problem)
{
    const auto folder = ConfigFolder::path(problem);
    return folder ? std::optional<QString>(*folder + QStringLiteral("/QuintavalWidgets.conf")) : std::nullopt;
}

QString userProblem()
{
    QString problem;
    userFileName(&problem);
    return problem;
}

} // namespace

PlacementStore::PlacementStore() : PlacementStore(userFileName(nullptr), userProblem()) {}

PlacementStore::PlacementStore(const QString& fileName) : PlacementStore(std::optional<QString>(fileName), QString()) {}

PlacementStore::PlacementStore(const std::optional<QString>& fileName, const QString& problem)
    : m_fileName(fileName.value_or(QString()))
{
    if (!fileName) {
        m_state = FileState::unreadable;
        m_toldNotSaved = true;
        qWarning().noquote() << QStringLiteral("quintaval-widgets: there is no folder to keep the widget placements "
                                               "in: %1. No widgets are put back, and none is saved.")
                                    .arg(problem);
        return;
    }
    const SettingsFileCheck::Result found = SettingsFileCheck::inspect(m_fileName);
    switch (found.verdict) {
    case SettingsFileCheck::Verdict::usable:
        m_settings = std::make_unique<QSettings>(m_fileName, QSettings::IniFormat);
        return;
    case SettingsFileCheck::Verdict::unreadable:
        m_state = FileState::unreadable;
        qWarning().noquote() << QStringLiteral("quintaval-widgets: cannot read the placements file %1 (%2); no "
                                               "widgets are put back, and none is saved over it.")
                                    .arg(m_fileName, found.reason);
        return;
    case SettingsFileCheck::Verdict::damaged:
        m_state = FileState::damaged;
        qWarning().noquote() << QStringLiteral("quintaval-widgets: cannot use the placements file %1: %2. No widgets "
                                               "are put back; the file stays as it is until a widget is placed, "
                                               "moved or removed.")
                                    .arg(m_fileName, found.reason);
        return;
    }
}

PlacementStore::~PlacementStore() = default;

QList<Placement> PlacementStore::load() const
{
    QList<Placement> placements;
    if (!m_settings) {
        return placements;
    }
    QSet<QString> ids;
    const int stored = m_settings->beginReadArray(arrayKey);
    if (stored > maximumCount) {
        qWarning().noquote() << QStringLiteral("quintaval-widgets: the placements file lists %1 widgets; only the "
                                               "first %2 are placed.")
                                    .arg(stored)
                                    .arg(maximumCount);
    }
    for (int i = 0; i < std::min(stored, maximumCount); ++i) {
        m_settings->setArrayIndex(i);
        Placement placement;
        placement.kind = m_settings->value(kindKey).toString();
        const auto family = WidgetKit::familyFromName(m_settings->value(familyKey).toString());
        if (placement.kind.isEmpty() || !family) {
            continue;
        }
        placement.family = *family;
        placement.id = m_settings->value(idKey).toString();
        // The same widget listed twice is one widget: removing goes by the id, and a second
        // window of it could never be removed on its own.
        if (ids.contains(placement.id)) {
            continue;
        }
        if (placement.id.isEmpty()) {
            placement.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        }
        ids.insert(placement.id);
        const auto x = storedCoordinate(*m_settings, xKey);
        const auto y = storedCoordinate(*m_settings, yKey);
        if (x && y) {
            placement.position = QPoint(*x, *y);
        }
        placements << placement;
    }
    m_settings->endArray();
    return placements;
}

bool PlacementStore::save(const QList<Placement>& placements)
{
    if (!checkBeforeSave()) {
        return false;
    }
    m_settings->remove(arrayKey);
    m_settings->beginWriteArray(arrayKey, static_cast<int>(placements.size()));
    for (int i = 0; i < placements.size(); ++i) {
        const Placement& placement = placements[i];
        m_settings->setArrayIndex(i);
        m_settings->setValue(idKey, placement.id);
        m_settings->setValue(kindKey, placement.kind);
        m_settings->setValue(familyKey, WidgetKit::familyName(placement.family));
        if (placement.position) {
            m_settings->setValue(xKey, placement.position->x());
            m_settings->setValue(yKey, placement.position->y());
        }
    }
    m_settings->endArray();
    m_settings->sync();
    if (m_settings->status() == QSettings::AccessError) {
        warnOnce(m_toldSaveFailed, QStringLiteral("quintaval-widgets: cannot save the widget placements to %1; the "
                                                  "widgets stay where they are until the host ends.")
                                       .arg(m_fileName));
        return false;
    }
    return true;
}

// The file may have been damaged or put out of reach since it was read, and QSettings would
// block on a FIFO, or merge what it can read of a damaged file into the save and drop the rest.
bool PlacementStore::checkBeforeSave()
{
    const auto notSaving = [this](const QString& why) {
        warnOnce(m_toldNotSaved, QStringLiteral("quintaval-widgets: not saving the widget placements over %1, which "
                                                "%2; they last until the host ends.")
                                     .arg(m_fileName, why));
        return false;
    };
    if (m_fileName.isEmpty()) {
        return false; // said at the start
    }
    if (m_state == FileState::unreadable) {
        return notSaving(QStringLiteral("could not be read"));
    }
    const SettingsFileCheck::Result found = SettingsFileCheck::inspect(m_fileName);
    if (found.verdict == SettingsFileCheck::Verdict::unreadable) {
        return notSaving(QStringLiteral("cannot be read now (%1)").arg(found.reason));
    }
    if (found.verdict == SettingsFileCheck::Verdict::damaged) {
        const auto aside = SettingsFileCheck::moveAside(m_fileName);
        if (!aside) {
            return notSaving(QStringLiteral("could not be moved aside"));
        }
        qWarning().noquote() << QStringLiteral("quintaval-widgets: moved the placements file that could not be used "
                                               "(%1) to %2 and saved the placements afresh in %3.")
                                    .arg(found.reason, *aside, m_fileName);
    }
    // A file moved aside leaves nothing for QSettings to merge: the save writes the placements alone.
    m_state = FileState::usable;
    if (!m_settings) {
        m_settings = std::make_unique<QSettings>(m_fileName, QSettings::IniFormat);
    }
    return true;
}

void PlacementStore::warnOnce(bool& told, const QString& message)
{
    if (!told) {
        told = true;
        qWarning().noquote() << message;
    }
}
