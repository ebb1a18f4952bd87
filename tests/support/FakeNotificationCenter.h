// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/NotificationCenter.h"

#include "calendar/Instant.h"

#include <QPointer>

// Holds requests like the real centre and hands them out when the test says time has come.
// Permission is answered by the test, as the notification server would later.
class FakeNotificationCenter final : public NotificationCenter
{
public:
    void requestAuthorization(QObject* context, std::function<void(bool)> answer) override;
    void add(const NotificationRequest& request) override;
    void removeAllPending() override;
    std::vector<NotificationRequest> pendingRequests() const override;
    std::size_t pendingCount() const { return m_pending.size(); }

    // Answers the permission requests made so far.
    void answerAuthorization(bool granted);
    int authorizationRequests() const { return m_authorizationRequests; }

    // Removes and returns the requests whose trigger has come at `now`.
    std::vector<NotificationRequest> deliverDue(Instant now);

    int removals() const { return m_removals; }
    int additions() const { return m_additions; }

private:
    struct Pending
    {
        NotificationRequest request;
        std::optional<Instant> fire; // resolved once; the fake's zone does not change under it
    };
    std::vector<Pending> m_pending;
    std::vector<std::pair<QPointer<QObject>, std::function<void(bool)>>> m_waiting;
    int m_authorizationRequests = 0;
    int m_removals = 0;
    int m_additions = 0;
};
