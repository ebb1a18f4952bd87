// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/FakeNotificationCenter.h"

#include <algorithm>

void FakeNotificationCenter::requestAuthorization(QObject* context, std::function<void(bool)> answer)
{
    ++m_authorizationRequests;
    m_waiting.emplace_back(context, std::move(answer));
}

void FakeNotificationCenter::add(const NotificationRequest& request)
{
    ++m_additions;
    std::erase_if(m_pending,
                  [&request](const Pending& pending) { return pending.request.identifier == request.identifier; });
    m_pending.push_back({request, request.trigger.fireInstant()});
}

void FakeNotificationCenter::removeAllPending()
{
    ++m_removals;
    m_pending.clear();
}

void FakeNotificationCenter::answerAuthorization(bool granted)
{
    const auto waiting = std::exchange(m_waiting, {});
    for (const auto& [context, answer] : waiting) {
        if (context) {
            answer(granted);
        }
    }
}

std::vector<NotificationRequest> FakeNotificationCenter::deliverDue(Instant now)
{
    std::vector<NotificationRequest> due;
    std::erase_if(m_pending, [&](const Pending& pending) {
        if (pending.fire && *pending.fire <= now) {
            due.push_back(pending.request);
            return true;
        }
        return false;
    });
    return due;
}

std::vector<NotificationRequest> FakeNotificationCenter::pendingRequests() const
{
    std::vector<NotificationRequest> requests;
    for (const Pending& pending : m_pending) {
        requests.push_back(pending.request);
    }
    return requests;
}
