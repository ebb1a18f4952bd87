// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/desktop/SwayWorkArea.h"

#include "app/platform/desktop/SwayIpc.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

std::optional<QRect> SwayWorkArea::query(const QString& socketPath, const QRect& screen, int timeoutMs)
{
    const auto payload = SwayIpc::request(socketPath, SwayIpc::Message::getWorkspaces, {}, timeoutMs);
    if (!payload) {
        return std::nullopt;
    }
    for (const QJsonValue& value : QJsonDocument::fromJson(*payload).array()) {
        const QJsonObject workspace = value.toObject();
        const QJsonObject rect = workspace.value(QStringLiteral("rect")).toObject();
        const QRect area(rect.value(QStringLiteral("x")).toInt(), rect.value(QStringLiteral("y")).toInt(),
                         rect.value(QStringLiteral("width")).toInt(), rect.value(QStringLiteral("height")).toInt());
        if (workspace.value(QStringLiteral("visible")).toBool() && area.isValid() && screen.contains(area.center())) {
            return area.intersected(screen);
        }
    }
    return std::nullopt;
}
