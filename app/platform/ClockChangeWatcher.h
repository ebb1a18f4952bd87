// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Tells when the wall clock may have jumped: someone set it, or the machine woke from suspend.
// Anything that sleeps until a time of day must look at the clock again then.
class ClockChangeWatcher : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

Q_SIGNALS:
    // Emitted on the main thread, once per change, after the clock has its new time.
    void clockChanged();
};
