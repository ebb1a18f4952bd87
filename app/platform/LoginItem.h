// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Whether the program starts when the user logs in, and the switch for it.
class LoginItem
{
public:
    // `requiresApproval`: registered, but switched off by the user in the session's own settings.
    // `notFound`: an entry exists but cannot start the program.
    enum class Status { enabled, notRegistered, requiresApproval, notFound };

    virtual ~LoginItem() = default;

    virtual Status status() const = 0;
    // Both return false, with the reason in `error` when given, if the change could not be made.
    virtual bool registerItem(QString* error = nullptr) = 0;
    virtual bool unregisterItem(QString* error = nullptr) = 0;
};
