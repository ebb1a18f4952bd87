// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/state/StateHarness.h"

#include "calendar/LocalCalendar.h"
#include "tests/support/ScopedTimeZone.h"

#include <QTest>

#include <map>

using namespace std::chrono_literals;

// A year of the program's life on a fake clock, the manager waking when it asks to (the status
// item shows the time, so every decimal minute); the reminders are looked at every 86.4 s.
class TestSimulatedYear : public QObject
{
    Q_OBJECT

    // Instants in these tests are Paris times, also when the test runs without ctest's TZ.
    ScopedTimeZone m_zone{"Europe/Paris"};

private Q_SLOTS:
    void oneDayChangeTenChimesAndAFullWindowEachDay();
};

void TestSimulatedYear::oneDayChangeTenChimesAndAFullWindowEachDay()
{
    StateHarness harness;
    const Instant start = localInstant(2026, 1, 1, 0, 0, 30);
    const Instant end = localInstant(2027, 1, 1, 0, 0, 30);
    harness.launch(start);
    harness.center->answerAuthorization(true);
    CalendarManager& manager = *harness.calendar;

    std::map<std::int64_t, int> dayChanges; // by local day number
    std::map<std::int64_t, int> chimes;
    RevolutionaryDate today = manager.todayDate();
    qsizetype played = 0;
    std::size_t fewestPending = 14;
    std::size_t mostPending = 0;
    for (Instant now = start + 86400ms; now < end; now += 86400ms) {
        harness.sleepUntil(now);
        harness.center->deliverDue(now);
        const std::int64_t day = LocalCalendar::wallClockSeconds(now) / 86400;
        if (manager.todayDate() != today) {
            today = manager.todayDate();
            ++dayChanges[day];
        }
        if (harness.player->played().size() != played) {
            chimes[day] += static_cast<int>(harness.player->played().size() - played);
            played = harness.player->played().size();
        }
        fewestPending = std::min(fewestPending, harness.center->pendingCount());
        mostPending = std::max(mostPending, harness.center->pendingCount());
    }

    const std::int64_t firstDay = LocalCalendar::dayNumber(2026, 1, 1);
    const std::int64_t lastDay = LocalCalendar::dayNumber(2026, 12, 31);
    // When Paris clocks go back, 03:00 becomes 02:00 again: the decimal hour drops from 1 to 0
    // and rises to 1 once more, two more changes of hour than any other day has.
    const std::int64_t autumnChange = LocalCalendar::dayNumber(2026, 10, 25);
    for (std::int64_t day = firstDay; day <= lastDay; ++day) {
        QCOMPARE(dayChanges[day], day == firstDay ? 0 : 1);
        QCOMPARE(chimes[day], day == firstDay ? 9 : day == autumnChange ? 12 : 10);
    }
    QCOMPARE(fewestPending, 13u);
    QCOMPARE(mostPending, 14u);
}

QTEST_GUILESS_MAIN(TestSimulatedYear)
#include "TestSimulatedYear.moc"
