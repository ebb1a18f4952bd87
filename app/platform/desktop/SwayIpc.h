// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Requests to sway over its IPC socket ($SWAYSOCK), which speaks i3's protocol. Used where X
// clients under XWayland are told too little: the bars' room, where the pointer is.
namespace SwayIpc {

enum class Message : quint32 { runCommand = 0, getWorkspaces = 1 };

// The payload of sway's reply to one request; none when sway does not answer in time, or answers
// another request.
std::optional<QByteArray> request(const QString& socketPath, Message type, const QByteArray& payload = {},
                                  int timeoutMs = 200);

// Runs a command as `swaymsg` would; true when sway ran every part of it.
bool runCommand(const QString& socketPath, const QString& command, int timeoutMs = 200);

} // namespace SwayIpc
