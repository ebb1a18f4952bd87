// SPDX-License-Identifier: GPL-3.0-or-later
// The extension's copy of the calendar must say what the calendar core says, table and all,
// except where the two are meant to differ.

#include "calendar/DailyItems.h"
#include "calendar/LocalCalendar.h"
#include "calendar/RevolutionaryCalendar.h"
#include "tests/support/ScopedTimeZone.h"
#include "widget/WidgetCalendar.h"
#include "widget/WidgetDailyItems.h"

#include <QTest>

using namespace std::chrono_literals;

Q_DECLARE_METATYPE(WidgetRevolutionaryDate)

class TestWidgetModel final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void conversionMatchesTheCore_data();
    void conversionMatchesTheCore();
    void knownDates_data();
    void knownDates();
    void romanNumerals_data();
    void romanNumerals();
    void tableMatchesTheCoreExceptMarble();
    void lookupAtTheEdgesOfTheYear_data();
    void lookupAtTheEdgesOfTheYear();
};

void TestWidgetModel::conversionMatchesTheCore_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::newRow("Paris") << QByteArray("Europe/Paris");
    QTest::newRow("New York") << QByteArray("America/New_York");
    QTest::newRow("Apia") << QByteArray("Pacific/Apia");
    QTest::newRow("Kiritimati") << QByteArray("Pacific/Kiritimati");
}

void TestWidgetModel::conversionMatchesTheCore()
{
    QFETCH(QByteArray, zone);
    ScopedTimeZone timeZone(zone.constData());
    // Every 13 hours 7 minutes from before the epoch into the next century walks through every
    // hour of the day, the complementary days of long and short years, and both sides of many
    // daylight-saving changes.
    const Instant start = Instant{std::chrono::sys_days{std::chrono::year{1792} / 9 / 10}};
    const Instant end = Instant{std::chrono::sys_days{std::chrono::year{2101} / 1 / 1}};
    for (Instant at = start; at < end; at += 13h + 7min) {
        const RevolutionaryDate core = RevolutionaryCalendar::fromGregorian(at);
        const WidgetRevolutionaryDate widget = WidgetCalendar::fromGregorian(at);
        if (widget.year != core.year || widget.month != core.month || widget.day != core.day ||
            widget.decadeDay != core.decadeDay) {
            QFAIL(qPrintable(QStringLiteral("%1 µs: widget %2-%3-%4 (%5), core %6")
                                 .arg(at.time_since_epoch().count())
                                 .arg(widget.year)
                                 .arg(widget.month)
                                 .arg(widget.day)
                                 .arg(widget.decadeDay)
                                 .arg(QString::fromStdString(core.formatted()))));
        }
    }
}

void TestWidgetModel::knownDates_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<WidgetRevolutionaryDate>("expected");
    QTest::newRow("before the epoch") << 1792 << 9 << 21 << WidgetRevolutionaryDate{1, 1, 1, 1};
    QTest::newRow("epoch") << 1792 << 9 << 22 << WidgetRevolutionaryDate{1, 1, 1, 1};
    QTest::newRow("first complementary day") << 1793 << 9 << 17 << WidgetRevolutionaryDate{1, 13, 1, 1};
    QTest::newRow("sixth complementary day") << 1795 << 9 << 22 << WidgetRevolutionaryDate{3, 13, 6, 6};
    QTest::newRow("after a long year") << 1795 << 9 << 23 << WidgetRevolutionaryDate{4, 1, 1, 1};
    QTest::newRow("18 Brumaire") << 1799 << 11 << 9 << WidgetRevolutionaryDate{8, 2, 18, 8};
    QTest::newRow("drift from the equinox") << 2026 << 9 << 23 << WidgetRevolutionaryDate{234, 13, 5, 5};
    QTest::newRow("15 Frimaire 235") << 2026 << 12 << 7 << WidgetRevolutionaryDate{235, 3, 15, 5};
}

void TestWidgetModel::knownDates()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(WidgetRevolutionaryDate, expected);
    ScopedTimeZone timeZone("America/New_York");
    // The first and the last second of the local day.
    const auto midnight = WidgetLocalTime::firstInstantFrom(WidgetLocalTime::dayNumber(year, month, day));
    const auto nextMidnight = WidgetLocalTime::firstInstantFrom(WidgetLocalTime::dayNumber(year, month, day + 1));
    QCOMPARE(WidgetCalendar::fromGregorian(midnight), expected);
    QCOMPARE(WidgetCalendar::fromGregorian(nextMidnight - 1s), expected);
}

void TestWidgetModel::romanNumerals_data()
{
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("numeral");
    QTest::newRow("4") << qint64{4} << "IV";
    QTest::newRow("235") << qint64{235} << "CCXXXV";
    QTest::newRow("1999") << qint64{1999} << "MCMXCIX";
    QTest::newRow("3888") << qint64{3888} << "MMMDCCCLXXXVIII";
    QTest::newRow("4000") << qint64{4000} << "MMMM";
    QTest::newRow("0") << qint64{0} << "";
    QTest::newRow("negative") << qint64{-5} << "";
}

void TestWidgetModel::romanNumerals()
{
    QFETCH(qint64, number);
    QFETCH(QString, numeral);
    QCOMPARE(QString::fromStdString(WidgetCalendar::toRoman(number)), numeral);
}

void TestWidgetModel::tableMatchesTheCoreExceptMarble()
{
    QCOMPARE(WidgetDailyItems::allItems.size(), DailyItems::allItems.size());
    for (std::size_t i = 0; i < DailyItems::allItems.size(); ++i) {
        const DailyItem& core = DailyItems::allItems[i];
        const WidgetDailyItem& widget = WidgetDailyItems::allItems[i];
        const QByteArray row = QByteArray::number(static_cast<qulonglong>(i + 1));
        QVERIFY2(widget.name == core.name, row);
        QVERIFY2(widget.frenchName == core.frenchName, row);
        QVERIFY2(widget.category == DailyItems::categoryText(core.category), row);
        QCOMPARE(widget.dayOfYear, 0);
        if (core.frenchName == "Marbre") {
            QCOMPARE(i + 1, std::size_t{109});
            QCOMPARE(widget.emoji, std::string_view("🪨"));
            QCOMPARE(core.emoji, std::string_view("⬜"));
        } else {
            QVERIFY2(widget.emoji == core.emoji, row);
        }
        const auto month = static_cast<std::int64_t>(i / 30 + 1), day = static_cast<std::int64_t>(i % 30 + 1);
        const auto widgetItem = WidgetDailyItems::item({1, month, day, 1});
        const auto coreItem = DailyItems::item({1, month, day, 1});
        QVERIFY(widgetItem && coreItem);
        QCOMPARE(widgetItem->dayOfYear, coreItem->dayOfYear);
        QCOMPARE(widgetItem->imageName(), coreItem->imageName());
    }
}

void TestWidgetModel::lookupAtTheEdgesOfTheYear_data()
{
    QTest::addColumn<qint64>("month");
    QTest::addColumn<qint64>("day");
    QTest::addColumn<QString>("imageName");
    QTest::newRow("1 Vendémiaire") << qint64{1} << qint64{1} << "day_001_raisin";
    QTest::newRow("8 Frimaire") << qint64{3} << qint64{8} << "day_068_miel";
    QTest::newRow("30 Fructidor") << qint64{12} << qint64{30} << "day_360_panier";
    QTest::newRow("complementary day") << qint64{13} << qint64{1} << "";
    QTest::newRow("sixth complementary day") << qint64{13} << qint64{6} << "";
    QTest::newRow("month 0") << qint64{0} << qint64{1} << "";
    QTest::newRow("huge day") << qint64{12} << std::numeric_limits<qint64>::max() << "";
    QTest::newRow("lowest month") << std::numeric_limits<qint64>::min() << qint64{1} << "";
}

void TestWidgetModel::lookupAtTheEdgesOfTheYear()
{
    QFETCH(qint64, month);
    QFETCH(qint64, day);
    QFETCH(QString, imageName);
    const auto item = WidgetDailyItems::item({1, month, day, 1});
    QCOMPARE(item ? QString::fromStdString(item->imageName()) : QString(), imageName);
}

QTEST_APPLESS_MAIN(TestWidgetModel)
#include "TestWidgetModel.moc"
