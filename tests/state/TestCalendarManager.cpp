// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/state/StateHarness.h"

#include "calendar/LocalCalendar.h"
#include "tests/support/ScopedTimeZone.h"

#include <QSignalSpy>
#include <QTest>

#include <cstdlib>

using namespace std::chrono_literals;

namespace {

constexpr auto tick = CalendarManager::tickInterval;

QString slogan(std::size_t index)
{
    return QString::fromUtf8(HistoricalData::slogans.at(index).data());
}

} // namespace

class TestCalendarManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void launchBuildsTodayWithoutChimeOrPublication();
    void firstChimeComesWithTheFirstHourChange();
    void midnightMovesTodayAndItsFollowers_data();
    void midnightMovesTodayAndItsFollowers();
    void clockMovedByWholeYearsIsNoDayChange();
    void viewedDayStaysBehindAcrossMidnight();
    void goToTodayOnTodayPublishesNothing();
    void steppedDayKeepsTheTimeOfDayAcrossDaylightSaving();
    void titleShowsTodayWhileShareTextShowsTheViewedDay();
    void sloganChangesOnlyAfterMoreThanFiveMinutes();
    void sloganResumesAfterTheClockIsSetBack();
    void storedChoicesLoadWithoutBeingWritten_data();
    void storedChoicesLoadWithoutBeingWritten();
    void everyChoiceIsPublishedAndSaved();
    void timeZoneChangeIsTakenInAtOnce();
};

void TestCalendarManager::launchBuildsTodayWithoutChimeOrPublication()
{
    StateHarness harness;
    harness.random->queue(4);
    const Instant now = localInstant(2026, 12, 7, 10, 40);
    harness.launch(now);
    CalendarManager& manager = *harness.calendar;

    QCOMPARE(manager.todayDate(), (RevolutionaryDate{235, 3, 15, 5}));
    QCOMPARE(manager.currentTime(), RevolutionaryCalendar::toDecimalTime(now));
    QCOMPARE(manager.currentSlogan(), slogan(4));
    QCOMPARE(manager.dayOffset(), 0);
    QVERIFY(manager.isViewingToday());
    QCOMPARE(manager.currentDate(), manager.todayDate());
    QCOMPARE(manager.viewedGregorianDate(), now);
    QCOMPARE(manager.dailyItem(), DailyItems::item(manager.todayDate()));
    QVERIFY(manager.dailyItem().has_value());
    QCOMPARE(manager.viewedEvents(), HistoricalData::events(manager.todayDate()));
    QCOMPARE(manager.menuBarFormat(), MenuBarFormat::dateAndTime);
    QCOMPARE(manager.theme(), AppTheme::light);

    QVERIFY(harness.timer->isRunning());
    QCOMPARE(harness.timer->interval(), 864ms);
    QCOMPARE(harness.center->authorizationRequests(), 1);
    // The manager reads its two choices but writes neither.
    QCOMPARE(harness.preferences->writes(PreferenceKeys::menuBarFormat), 0);
    QCOMPARE(harness.preferences->writes(PreferenceKeys::appTheme), 0);

    QSignalSpy changed(&manager, &CalendarManager::changed);
    harness.tickAt(now + tick);
    QCOMPARE(changed.count(), 1); // the time, and nothing else
    QVERIFY(harness.player->played().isEmpty());
    QCOMPARE(harness.beep->beeps(), 0);
}

void TestCalendarManager::firstChimeComesWithTheFirstHourChange()
{
    StateHarness harness;
    // Decimal 4:99:99 falls 0.864 s before 12:00:00.
    const Instant hour = localInstant(2026, 12, 7, 12, 0);
    harness.launch(hour - tick);
    QCOMPARE(harness.calendar->currentTime().hours, 4);

    harness.tickAt(hour);
    QCOMPARE(harness.player->played(), QStringList{QStringLiteral("res:marseillaise.wav")});
    harness.tickAt(hour + tick);
    harness.tickAt(hour + 2 * tick);
    QCOMPARE(harness.player->played().size(), 1);
}

void TestCalendarManager::midnightMovesTodayAndItsFollowers_data()
{
    QTest::addColumn<qint64>("offset");
    QTest::newRow("viewing today") << qint64{0};
    QTest::newRow("viewing tomorrow") << qint64{1};
}

void TestCalendarManager::midnightMovesTodayAndItsFollowers()
{
    QFETCH(qint64, offset);
    StateHarness harness;
    const Instant midnight = localInstant(2026, 12, 8);
    harness.launch(midnight - 500ms);
    CalendarManager& manager = *harness.calendar;
    manager.stepDay(offset);
    const RevolutionaryDate viewedBefore = manager.currentDate();
    const Instant viewedInstantBefore = manager.viewedGregorianDate();
    const int removalsBefore = harness.center->removals();

    QSignalSpy changed(&manager, &CalendarManager::changed);
    harness.tickAt(midnight + 364ms);

    QCOMPARE(manager.todayDate(), (RevolutionaryDate{235, 3, 16, 6}));
    QCOMPARE(manager.currentTime().hours, 0);
    QCOMPARE(harness.player->played().size(), 1); // 9 turning to 0 is an hour change too
    QCOMPARE(harness.center->removals(), removalsBefore + 1);
    if (offset == 0) {
        QCOMPARE(manager.currentDate(), manager.todayDate());
        QCOMPARE(manager.viewedGregorianDate(), midnight + 364ms);
        QCOMPARE(changed.count(), 6); // today, the four viewed values, the time
    } else {
        QCOMPARE(manager.currentDate(), viewedBefore);
        QCOMPARE(manager.viewedGregorianDate(), viewedInstantBefore);
        QCOMPARE(changed.count(), 2);
    }
}

void TestCalendarManager::clockMovedByWholeYearsIsNoDayChange()
{
    StateHarness harness;
    const Instant now = localInstant(2026, 12, 7, 10, 40);
    harness.launch(now);
    const RevolutionaryDate today = harness.calendar->todayDate();
    // The same Republican day one year on: 365 or 366 civil days later, whichever lands on it.
    Instant nextYear = LocalCalendar::addingDays(now, 365).value();
    if (RevolutionaryCalendar::fromGregorian(nextYear).day != today.day) {
        nextYear = LocalCalendar::addingDays(now, 366).value();
    }
    const RevolutionaryDate there = RevolutionaryCalendar::fromGregorian(nextYear);
    QCOMPARE(there.month, today.month);
    QCOMPARE(there.day, today.day);
    QCOMPARE(there.year, today.year + 1);
    const int removalsBefore = harness.center->removals();

    harness.tickAt(nextYear);
    QCOMPARE(harness.calendar->todayDate(), today);
    QCOMPARE(harness.calendar->currentDate(), today);
    QCOMPARE(harness.center->removals(), removalsBefore);
}

void TestCalendarManager::viewedDayStaysBehindAcrossMidnight()
{
    StateHarness harness;
    const Instant midnight = localInstant(2026, 12, 8);
    harness.launch(midnight - 1min);
    CalendarManager& manager = *harness.calendar;
    manager.stepDay(-1);
    const RevolutionaryDate yesterday = manager.currentDate();
    QCOMPARE(yesterday.day, manager.todayDate().day - 1);

    harness.tickAt(midnight + 1s);
    QVERIFY(!manager.isViewingToday());
    QCOMPARE(manager.currentDate(), yesterday); // now two days back
    QCOMPARE(manager.todayDate().day, yesterday.day + 2);

    manager.stepDay(+1);
    QCOMPARE(manager.dayOffset(), 0);
    QVERIFY(manager.isViewingToday());
    QCOMPARE(manager.currentDate(), manager.todayDate());
}

void TestCalendarManager::goToTodayOnTodayPublishesNothing()
{
    StateHarness harness;
    harness.launch(localInstant(2026, 12, 7, 10, 40));
    CalendarManager& manager = *harness.calendar;
    QSignalSpy changed(&manager, &CalendarManager::changed);

    manager.goToToday();
    QCOMPARE(changed.count(), 0);

    manager.stepDay(3);
    QCOMPARE(changed.count(), 5); // the offset and the four viewed values
    manager.goToToday();
    QCOMPARE(changed.count(), 10);
    QCOMPARE(manager.currentDate(), manager.todayDate());
}

void TestCalendarManager::steppedDayKeepsTheTimeOfDayAcrossDaylightSaving()
{
    // Paris moves to summer time in the night of 28 to 29 March 2026: that day has 23 hours.
    const ScopedTimeZone paris("Europe/Paris");
    StateHarness harness;
    harness.launch(localInstant(2026, 3, 28, 23, 30));
    CalendarManager& manager = *harness.calendar;

    manager.stepDay(1);
    QCOMPARE(manager.viewedGregorianDate(), localInstant(2026, 3, 29, 23, 30));
    QCOMPARE(manager.viewedGregorianDate() - localInstant(2026, 3, 28, 23, 30), 23h);
    QCOMPARE(manager.currentDate(), RevolutionaryCalendar::fromGregorian(localInstant(2026, 3, 29, 12, 0)));

    // Far outside any calendar the viewed day falls back to today while the offset stays.
    manager.stepDay(std::numeric_limits<qint64>::max());
    QCOMPARE(manager.dayOffset(), std::numeric_limits<qint64>::max());
    QCOMPARE(manager.currentDate(), manager.todayDate());
}

void TestCalendarManager::titleShowsTodayWhileShareTextShowsTheViewedDay()
{
    StateHarness harness;
    harness.launch(localInstant(2026, 12, 7, 10, 40)); // 15 Frimaire, decimal 4:44
    CalendarManager& manager = *harness.calendar;
    manager.stepDay(-1);

    QCOMPARE(manager.menuBarText(), QStringLiteral("🥶 15 Frimaire · Quintidi · 4:44"));
    QCOMPARE(manager.shareableText(), QStringLiteral("🥶 14 Frimaire an CCXXXV · 4:44 décimal"));
}

void TestCalendarManager::sloganChangesOnlyAfterMoreThanFiveMinutes()
{
    StateHarness harness;
    harness.random->queue(2);
    harness.random->queue(7);
    harness.random->queue(7);
    const Instant launch = localInstant(2026, 12, 7, 10, 40);
    harness.launch(launch);
    CalendarManager& manager = *harness.calendar;
    QSignalSpy changed(&manager, &CalendarManager::changed);

    harness.tickAt(launch + 300s);
    QCOMPARE(manager.currentSlogan(), slogan(2));
    QCOMPARE(changed.count(), 1);

    harness.tickAt(launch + 300s + 1us);
    QCOMPARE(manager.currentSlogan(), slogan(7));
    QCOMPARE(changed.count(), 3);

    // Counted from the last change, and a repeated pick still publishes.
    harness.tickAt(launch + 600s);
    QCOMPARE(changed.count(), 4);
    harness.tickAt(launch + 600s + 2us);
    QCOMPARE(manager.currentSlogan(), slogan(7));
    QCOMPARE(changed.count(), 6);
    QCOMPARE(harness.random->draws(), 3);
}

void TestCalendarManager::sloganResumesAfterTheClockIsSetBack()
{
    StateHarness harness;
    const Instant launch = localInstant(2026, 12, 7, 10, 40);
    harness.launch(launch);
    const Instant earlier = launch - 24h * 365;

    harness.tickAt(earlier);
    harness.tickAt(earlier + 301s);
    QCOMPARE(harness.random->draws(), 2);
}

void TestCalendarManager::storedChoicesLoadWithoutBeingWritten_data()
{
    QTest::addColumn<QVariant>("format");
    QTest::addColumn<QVariant>("theme");
    QTest::addColumn<MenuBarFormat>("expectedFormat");
    QTest::addColumn<AppTheme>("expectedTheme");

    QTest::newRow("missing") << QVariant() << QVariant() << MenuBarFormat::dateAndTime << AppTheme::light;
    QTest::newRow("stored") << QVariant(QStringLiteral("dayNumber")) << QVariant(QStringLiteral("sepiaNight"))
                            << MenuBarFormat::dayNumber << AppTheme::sepiaNight;
    QTest::newRow("empty") << QVariant(QString()) << QVariant(QString()) << MenuBarFormat::dateAndTime
                           << AppTheme::light;
    QTest::newRow("other case") << QVariant(QStringLiteral("DayNumber")) << QVariant(QStringLiteral("sepianight"))
                                << MenuBarFormat::dateAndTime << AppTheme::light;
    QTest::newRow("garbage") << QVariant(QStringLiteral("\x01zz")) << QVariant(QStringLiteral("light "))
                             << MenuBarFormat::dateAndTime << AppTheme::light;
    QTest::newRow("wrong type") << QVariant(7) << QVariant(QStringList{QStringLiteral("sepiaNight")})
                                << MenuBarFormat::dateAndTime << AppTheme::light;
}

void TestCalendarManager::storedChoicesLoadWithoutBeingWritten()
{
    QFETCH(QVariant, format);
    QFETCH(QVariant, theme);
    QFETCH(MenuBarFormat, expectedFormat);
    QFETCH(AppTheme, expectedTheme);
    StateHarness harness;
    if (format.isValid()) {
        harness.preferences->store(PreferenceKeys::menuBarFormat, format);
        harness.preferences->store(PreferenceKeys::appTheme, theme);
    }
    harness.launch(localInstant(2026, 12, 7, 10, 40));

    QCOMPARE(harness.calendar->menuBarFormat(), expectedFormat);
    QCOMPARE(harness.calendar->theme(), expectedTheme);
    QCOMPARE(harness.preferences->stored(PreferenceKeys::menuBarFormat), format);
    QCOMPARE(harness.preferences->stored(PreferenceKeys::appTheme), theme);
}

void TestCalendarManager::everyChoiceIsPublishedAndSaved()
{
    StateHarness harness;
    harness.launch(localInstant(2026, 12, 7, 10, 40));
    CalendarManager& manager = *harness.calendar;
    harness.preferences->forgetWrites();
    QSignalSpy changed(&manager, &CalendarManager::changed);

    manager.setMenuBarFormat(MenuBarFormat::date);
    QCOMPARE(manager.menuBarText(), QStringLiteral("🥶 15 Frim."));
    manager.setMenuBarFormat(MenuBarFormat::date);
    manager.setTheme(AppTheme::light);
    manager.setTheme(AppTheme::sepiaNight);

    QCOMPARE(changed.count(), 4);
    QCOMPARE(harness.preferences->writtenKeys().size(), 4);
    QCOMPARE(harness.preferences->writes(PreferenceKeys::menuBarFormat), 2);
    QCOMPARE(harness.preferences->writes(PreferenceKeys::appTheme), 2);
    QCOMPARE(harness.preferences->stored(PreferenceKeys::menuBarFormat), QVariant(QStringLiteral("date")));
    QCOMPARE(harness.preferences->stored(PreferenceKeys::appTheme), QVariant(QStringLiteral("sepiaNight")));
}

void TestCalendarManager::timeZoneChangeIsTakenInAtOnce()
{
    const ScopedTimeZone paris("Europe/Paris");
    StateHarness harness;
    const Instant now = localInstant(2026, 12, 7, 20, 0);
    harness.launch(now);
    QCOMPARE(harness.calendar->todayDate().day, 15);

    // As if /etc/localtime had been replaced: the C library does not look again by itself.
    setenv("TZ", "Asia/Tokyo", 1);
    harness.tickAt(now);
    QCOMPARE(harness.calendar->todayDate().day, 15);

    harness.timeZoneWatcher->reportChange(); // 04:00 on the 8th in Tokyo
    QCOMPARE(harness.calendar->todayDate().day, 16);
    QCOMPARE(harness.calendar->currentTime().hours, 1);
}

QTEST_GUILESS_MAIN(TestCalendarManager)
#include "TestCalendarManager.moc"
