// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgethost/WidgetKit.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QTextStream>

// The host's one-off commands, for tests and documentation: draw a face into a PNG file, or
// list a widget's timeline. Both return the process's exit status and say what went wrong on
// `errors`.
namespace HostCommands {

struct Request
{
    QString kind;       // empty: the first widget loaded
    QDateTime at;       // invalid: now
    QString family;     // --render
    bool dark = false;  // --render: the desktop in its dark scheme
    QString outputPath; // --render
};

int render(const QList<WidgetKit::WidgetConfiguration>& widgets, const Request& request, QTextStream& errors);

// Prints the reload date ("atEnd" or "never" for those policies), then one line per entry:
// its date in local ISO 8601 with the offset, and the entry's own fields.
int timeline(const QList<WidgetKit::WidgetConfiguration>& widgets, const Request& request, QTextStream& output,
             QTextStream& errors);

// "2026-12-07T00:00:00+01:00": the local wall clock and its offset from UTC.
QString localIsoText(const QDateTime& dateTime);

} // namespace HostCommands
