// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Tells when the system's time zone may have changed. Watching costs nothing until it does, and
// one watcher serves everyone who cares: each watch is a kernel watch and a bus match of its own.
class TimeZoneWatcher : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

Q_SIGNALS:
    // Emitted on the main thread, once per change, after the new zone is in place.
    void changed();
};
