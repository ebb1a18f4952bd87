#pragma once

#include "app/platform/LoginItem.h"

#include <QStringList>

// A login item whose status and failures the test sets, with a log of the requests made.
class FakeLoginItem final : public LoginItem
{
public:
    Status status() const override { return m_status; }

    bool registerItem(QString* error = nullptr) override
    {
        return request(QStringLiteral("register"), Status::enabled, error);
    }
    bool unregisterItem(QString* error = nullptr) override
    {
        return request(QStringLiteral("unregister"), Status::notRegistered, error);
    }

    void setStatus(Status status) { m_status = status; }
    void setFailing(bool failing) { m_failing = failing; }
    const QStringList& requests() const { return m_requests; }

private:
    bool request(const QString& name, Status after, QString* error)
    {
        m_requests.append(name);
        if (m_failing) {
            if (error) {
                *error = QStringLiteral("refused");
            }
            return false;
        }
        m_status = after;
        return true;
    }

    Status m_status = Status::notRegistered;
    bool m_failing = false;
    QStringList m_requests;
};
