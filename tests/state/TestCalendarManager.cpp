// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/state/StateHarness.h"

#include "app/state/TitleText.h"
#include "calendar/LocalCalendar.h"
#include "tests/support/ScopedTimeZone.h"

#include <QSignalSpy>
#include <QTest>

#include <cstdlib>
#include <map>

using namespace std::chrono_literals;

namespace {

constexpr auto tick = 864ms; // one decimal second

QString slogan(std::size_t index)
{
    return QString::fromUtf8(HistoricalData::slogans.at(index).data());
}

// What the status item shows at `at`: the title, and the decimal time when the tooltip shows it.
QString statusTextAt(Instant at, MenuBarFormat format, bool tooltipTime)
{
    const DecimalTime time = RevolutionaryCalendar::toDecimalTime(at);
    return QString::fromStdString(TitleText::menuBarText(RevolutionaryCalendar::fromGregorian(at), time, format) +
                                  (tooltipTime ? " " + TitleText::timeText(time) : std::string()));
}

} // namespace

class TestCalendarManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void launchBuildsTodayWithoutChimeOrPublication();
    void firstChimeComesWithTheFirstHourChange();
    void chimeIsGotReadyShortlyBeforeTheHour();
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
    void desktopThemeFollowsTheDesktop();
    void timeZoneChangeIsTakenInAtOnce();
    void sleepsUntilTheTitleOrTheHourChanges_data();
    void sleepsUntilTheTitleOrTheHourChanges();
    void clockSetResumeAndZoneChangeUpdateAtOnce_data();
    void clockSetResumeAndZoneChangeUpdateAtOnce();
    void openPanelUpdatesAtOnceThenEverySecond();
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

    // 10:40:00 is decimal 4:44.44; 4:45 begins at 10:40:48.
    QCOMPARE(harness.timer->deadline(), localInstant(2026, 12, 7, 10, 40, 48));
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

void TestCalendarManager::chimeIsGotReadyShortlyBeforeTheHour()
{
    StateHarness harness;
    const Instant hour = localInstant(2026, 12, 7, 12, 0);
    harness.launch(hour - CalendarManager::chimePreparation - 86400ms);
    harness.sleepUntil(hour - CalendarManager::chimePreparation - 1ms);
    QVERIFY(harness.player->prepared().isEmpty());

    harness.sleepUntil(hour - 1ms);
    QVERIFY(!harness.player->prepared().isEmpty());
    QCOMPARE(harness.player->prepared().constLast(), QStringLiteral("res:marseillaise.wav"));
    QVERIFY(harness.player->played().isEmpty());
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
    QTest::newRow("desktop") << QVariant(QStringLiteral("date")) << QVariant(QStringLiteral("desktop"))
                             << MenuBarFormat::date << AppTheme::desktop;
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

// The Desktop theme shows sepia night while the desktop prefers dark, and changes with it at once.
void TestCalendarManager::desktopThemeFollowsTheDesktop()
{
    StateHarness harness;
    harness.preferences->store(PreferenceKeys::appTheme, QStringLiteral("desktop"));
    harness.launch(localInstant(2026, 12, 7, 10, 40));
    QCOMPARE(harness.calendar->shownTheme(), AppTheme::light);
    QSignalSpy changed(harness.calendar.get(), &CalendarManager::changed);
    harness.colorScheme->setDark(true);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(harness.calendar->shownTheme(), AppTheme::sepiaNight);
    // A chosen theme stays whatever the desktop does.
    harness.calendar->setTheme(AppTheme::light);
    QCOMPARE(harness.calendar->shownTheme(), AppTheme::light);
    QCOMPARE(harness.preferences->stored(PreferenceKeys::appTheme), QVariant(QStringLiteral("light")));
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

void TestCalendarManager::sleepsUntilTheTitleOrTheHourChanges_data()
{
    QTest::addColumn<MenuBarFormat>("format");
    QTest::addColumn<bool>("tooltipTime");
    QTest::addColumn<int>("textsPerDay");
    QTest::addColumn<int>("mostWakes");

    // Hours begin on decimal minutes, so they cost no wake of their own while the time shows.
    QTest::newRow("time in the title") << MenuBarFormat::dateAndTime << false << 1000 << 1001;
    QTest::newRow("time in the tooltip") << MenuBarFormat::dayNumber << true << 1000 << 1001;
    QTest::newRow("date only") << MenuBarFormat::date << false << 1 << 11;
}

void TestCalendarManager::sleepsUntilTheTitleOrTheHourChanges()
{
    QFETCH(MenuBarFormat, format);
    QFETCH(bool, tooltipTime);
    QFETCH(int, textsPerDay);
    QFETCH(int, mostWakes);
    StateHarness harness;
    const std::string_view raw = MenuBarFormats::rawValue(format);
    harness.preferences->store(PreferenceKeys::menuBarFormat, QString::fromLatin1(raw.data(), qsizetype(raw.size())));
    const Instant day = localInstant(2026, 12, 7);
    harness.launch(day - 30s);
    CalendarManager& manager = *harness.calendar;
    manager.setTooltipShowsTime(tooltipTime);

    // When each text was first shown, and each chime, waking only when the manager asks.
    std::map<QString, Instant> firstShown;
    QList<Instant> chimes;
    int wakes = 0;
    for (; *harness.timer->deadline() <= day + 24h + 30s; ++wakes) {
        harness.tickAt(*harness.timer->deadline());
        const DecimalTime time = manager.currentTime();
        const std::string tooltip = tooltipTime ? " " + TitleText::timeText(time) : std::string();
        firstShown.emplace(manager.menuBarText() + QString::fromStdString(tooltip), harness.clock->now());
        if (harness.player->played().size() > chimes.size()) {
            chimes.append(harness.clock->now());
        }
    }

    QVERIFY(wakes <= mostWakes);
    for (int k = 0; k < textsPerDay; ++k) {
        const Instant begins = day + std::chrono::seconds{(k * 86400 + textsPerDay - 1) / textsPerDay};
        const auto shown = firstShown.find(statusTextAt(begins, format, tooltipTime));
        QVERIFY2(shown != firstShown.end() && shown->second >= begins && shown->second <= begins + 20ms,
                 qPrintable(QString::number(k)));
    }
    QCOMPARE(chimes.size(), 11); // midnight, the nine hours of the day, and the next midnight
    for (int hour = 0; hour <= 10; ++hour) {
        QVERIFY(chimes.at(hour) >= day + hour * 8640s && chimes.at(hour) <= day + hour * 8640s + 50ms);
    }
}

void TestCalendarManager::clockSetResumeAndZoneChangeUpdateAtOnce_data()
{
    QTest::addColumn<qint64>("stepHours");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<bool>("newDay");

    QTest::newRow("set forward by hours") << qint64{5} << QByteArray() << false;
    QTest::newRow("set back by a day") << qint64{-24} << QByteArray() << true;
    QTest::newRow("resume two days on") << qint64{49} << QByteArray() << true;
    QTest::newRow("zone change") << qint64{0} << QByteArray("Asia/Tokyo") << true;
}

void TestCalendarManager::clockSetResumeAndZoneChangeUpdateAtOnce()
{
    QFETCH(qint64, stepHours);
    QFETCH(QByteArray, zone);
    QFETCH(bool, newDay);
    const ScopedTimeZone paris("Europe/Paris");
    StateHarness harness;
    const Instant launch = localInstant(2026, 12, 7, 18, 0);
    harness.launch(launch);
    harness.sleepUntil(launch + 10min);
    const int removalsBefore = harness.center->removals();

    harness.clock->advance(std::chrono::hours{stepHours});
    if (zone.isEmpty()) {
        harness.clockChanges->reportChange();
    } else {
        setenv("TZ", zone.constData(), 1);
        harness.timeZoneWatcher->reportChange();
    }

    const Instant now = harness.clock->now();
    QCOMPARE(harness.calendar->menuBarText(), statusTextAt(now, MenuBarFormat::dateAndTime, false));
    QCOMPARE(harness.center->removals() > removalsBefore, newDay);
    // And it sleeps for the new time, not the old one.
    QVERIFY(*harness.timer->deadline() > now && *harness.timer->deadline() <= now + 87s);
}

void TestCalendarManager::openPanelUpdatesAtOnceThenEverySecond()
{
    StateHarness harness;
    const Instant launch = localInstant(2026, 12, 7, 10, 40) + 300ms;
    harness.launch(launch);
    harness.sleepUntil(launch + 30s + 200ms);
    CalendarManager& manager = *harness.calendar;
    QList<std::pair<Instant, DecimalTime>> times;
    connect(&manager, &CalendarManager::changed, this, [&] {
        times.append({harness.clock->now(), manager.currentTime()});
    });

    manager.setPanelOpen(true);
    QCOMPARE(times.size(), 1);
    QCOMPARE(times.first().second, RevolutionaryCalendar::toDecimalTime(launch + 30s + 200ms));

    harness.sleepUntil(localInstant(2026, 12, 7, 10, 40, 40));
    QCOMPARE(times.size(), 11);
    for (int second = 1; second <= 10; ++second) {
        const Instant at = localInstant(2026, 12, 7, 10, 40, 30 + second);
        QCOMPARE(times.at(second).first, at);
        QCOMPARE(times.at(second).second, RevolutionaryCalendar::toDecimalTime(at));
        QVERIFY(times.at(second).second != times.at(second - 1).second);
    }

    // Closed again: nothing published, and back to the next decimal minute (4:45 at 10:40:48).
    manager.setPanelOpen(false);
    QCOMPARE(times.size(), 11);
    QCOMPARE(harness.timer->deadline(), localInstant(2026, 12, 7, 10, 40, 48));
}

QTEST_GUILESS_MAIN(TestCalendarManager)
#include "TestCalendarManager.moc"
