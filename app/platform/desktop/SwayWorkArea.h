// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/WorkArea.h"

#include <QRect>
#include <QString>

#include <optional>

// The part of a screen sway leaves to windows, its bars taken off. Programs under XWayland are
// not told (there is no _NET_WORKAREA), so it is asked of sway itself over its IPC socket.
class SwayWorkArea final : public WorkArea
{
public:
    // `socketPath`: sway's IPC socket ($SWAYSOCK); empty outside sway, where it says nothing.
    explicit SwayWorkArea(QString socketPath) : m_socketPath(std::move(socketPath)) {}

    std::optional<QRect> available(const QRect& screen) const override { return query(m_socketPath, screen); }

    // The visible workspace's area on `screen` (in the same logical coordinates), from the sway
    // socket at `socketPath`; none when sway does not answer within `timeoutMs` or has no
    // workspace there.
    static std::optional<QRect> query(const QString& socketPath, const QRect& screen, int timeoutMs = 200);

private:
    QString m_socketPath;
};
