// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/LeapRule.h"

#include <QObject>
#include <QString>

#include <optional>

class QFileSystemWatcher;

// The leap-year rule chosen in Quintaval's settings, which the widget's dates follow. The file is
// the program's: the widget reads it and never writes it. No file, no rule in it or a name no
// rule has all read as the default rule, the continuous one.
class LeapRuleSetting final : public QObject
{
    Q_OBJECT

public:
    // $XDG_CONFIG_HOME/Quintaval/Quintaval.conf (~/.config when unset), as the program keeps it.
    static QString fileName();

    explicit LeapRuleSetting(QObject* parent = nullptr);

    // What the file says now: read afresh, so that a timeline asked for is never made by a
    // rule the user has since left.
    LeapRule rule() const;

    // From the first call on, changed() follows the file.
    void watch();

Q_SIGNALS:
    // The stored rule is another than before; a save that leaves it alone says nothing.
    void changed();

private:
    void fileTouched();
    void watchWhatExists();

    QFileSystemWatcher* m_watcher = nullptr;
    LeapRule m_watchedRule = LeapRule::continuous;
    // An unknown name is said once, not on every timeline.
    mutable std::optional<QString> m_reported;
};
