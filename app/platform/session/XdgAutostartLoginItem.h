// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/LoginItem.h"

#include <QCoreApplication>

// Start at login through an XDG autostart entry, $XDG_CONFIG_HOME/autostart/quintaval.desktop.
// An entry of the same name in a system folder ($XDG_CONFIG_DIRS/autostart) counts too, as the
// session honours it unless the user's entry hides it.
class XdgAutostartLoginItem final : public LoginItem
{
public:
    // `program`: the absolute path the entry starts.
    explicit XdgAutostartLoginItem(QString program = QCoreApplication::applicationFilePath());

    Status status() const override;
    // Writes an entry that starts `program`, replacing one that was switched off.
    bool registerItem(QString* error = nullptr) override;
    // Removes the user's entry, or writes one that hides a system entry; an entry that already
    // keeps the program from starting is left as the user made it.
    bool unregisterItem(QString* error = nullptr) override;

    // Where the user's entry lives now; follows $XDG_CONFIG_HOME. Empty when the user has no
    // config folder.
    static QString userEntryPath();

private:
    QString m_program;
};
