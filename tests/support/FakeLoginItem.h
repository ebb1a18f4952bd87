// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/LoginItem.h"

// A login item whose status the test sets, and whose requests succeed or fail as told. A
// request that succeeds changes the status the way the real service would.
class FakeLoginItem final : public LoginItem
{
public:
    Status status() const override { return m_status; }

    bool registerItem(QString* error = nullptr) override
    {
        ++m_registerCalls;
        if (m_failRequests) {
            return fail(error);
        }
        m_status = Status::enabled;
        return true;
    }

    bool unregisterItem(QString* error = nullptr) override
    {
        ++m_unregisterCalls;
        if (m_failRequests) {
            return fail(error);
        }
        m_status = Status::notRegistered;
        return true;
    }

    void setStatus(Status status) { m_status = status; }
    void setFailRequests(bool fail) { m_failRequests = fail; }
    int registerCalls() const { return m_registerCalls; }
    int unregisterCalls() const { return m_unregisterCalls; }

private:
    static bool fail(QString* error)
    {
        if (error) {
            *error = QStringLiteral("refused by the test");
        }
        return false;
    }

    Status m_status = Status::notRegistered;
    bool m_failRequests = false;
    int m_registerCalls = 0;
    int m_unregisterCalls = 0;
};
