// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

#include <optional>

// The part of a screen sway leaves to windows, its bars taken off. Programs under XWayland are
// not told (there is no _NET_WORKAREA), so it is asked of sway itself over its IPC socket.
namespace SwayWorkArea {

// The visible workspace's area on `screen` (in the same logical coordinates), from the sway
// socket at `socketPath` ($SWAYSOCK); none when sway does not answer within `timeoutMs` or has
// no workspace there.
std::optional<QRect> query(const QString& socketPath, const QRect& screen, int timeoutMs = 200);

} // namespace SwayWorkArea
