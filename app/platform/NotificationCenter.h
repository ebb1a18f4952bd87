// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/Instant.h"
#include "calendar/LocalCalendar.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// A civil date and time of day in the local time zone at which a notification fires once, at the
// start of the minute.
struct NotificationTrigger
{
    std::int64_t year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;

    // Where the local clock now shows that minute (the first instant after a daylight-saving gap),
    // or none when no instant can hold it.
    std::optional<Instant> fireInstant() const { return LocalCalendar::instant({year, month, day, hour, minute, 0}); }

    bool operator==(const NotificationTrigger&) const = default;
};

struct NotificationRequest
{
    QString identifier;
    QString title;
    QString body;
    NotificationTrigger trigger;
    bool operator==(const NotificationRequest&) const = default;
};

// The desktop's notifications, shown with the default sound at the minute of their trigger.
class NotificationCenter
{
public:
    virtual ~NotificationCenter() = default;

    // Asks whether notifications can be shown. `answer` runs later on the main thread, and again
    // with true whenever notifications become possible afterwards, until `context` is destroyed.
    virtual void requestAuthorization(QObject* context, std::function<void(bool granted)> answer) = 0;

    // Adds a request; one with the identifier of a pending request replaces it.
    virtual void add(const NotificationRequest& request) = 0;

    // Forgets every pending request at once.
    virtual void removeAllPending() = 0;

    // The requests that have not fired yet, in the order they were added.
    virtual std::vector<NotificationRequest> pendingRequests() const = 0;
};
