// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/UnixSocket.h"

#include <QString>

// The local sockets by which a later start of a program finds the running one. Another user on
// the machine must not be able to stand in for it: the socket lives in a folder only this user
// can enter, and whoever answers on it must run as this user before anything is said.
namespace UserSocket {

struct Location
{
    QString path;
    QString problem; // why no safe place was found; empty when `path` is usable
};

// Socket `name` in $XDG_RUNTIME_DIR, or when that is unset or not private, in a folder of the
// user's own in the temporary folder, made with mode 0700 if missing and checked before use.
Location locate(const QString& name);

// A connection to the program already listening at `path`, or none. None with `problem` left
// empty when nobody is there (no socket, or one left by a program that ended); with `problem`
// set when the socket or its listener belongs to another user.
UnixSocket::Descriptor connectToOwn(const QString& path, QString& problem);

// Whether the process at the other end of a connected local socket runs as this user.
bool peerIsThisUser(int socket);

} // namespace UserSocket
