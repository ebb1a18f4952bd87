// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar as the widget takes it from the core: the days its entries name, the numerals of
// their years and the items at the edges of the year.

#include "calendar/LocalCalendar.h"
#include "tests/support/ScopedTimeZone.h"
#include "widget/WidgetCalendar.h"

#include <QTest>

using namespace std::chrono_literals;

Q_DECLARE_METATYPE(WidgetRevolutionaryDate)

class TestWidgetModel final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void knownDates_data();
    void knownDates();
    void romanNumerals_data();
    void romanNumerals();
    void lookupAtTheEdgesOfTheYear_data();
    void lookupAtTheEdgesOfTheYear();
};

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
    const auto midnight = LocalCalendar::instant({year, month, day, 0, 0, 0});
    const auto nextMidnight = LocalCalendar::instant({year, month, day + 1, 0, 0, 0});
    QVERIFY(midnight && nextMidnight);
    QCOMPARE(RevolutionaryCalendar::fromGregorian(*midnight), expected);
    QCOMPARE(RevolutionaryCalendar::fromGregorian(*nextMidnight - 1s), expected);
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
    QCOMPARE(QString::fromStdString(RevolutionaryCalendar::toRoman(number)), numeral);
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
    const auto item = DailyItems::item({1, month, day, 1});
    QCOMPARE(item ? QString::fromStdString(item->imageName()) : QString(), imageName);
}

QTEST_APPLESS_MAIN(TestWidgetModel)
#include "TestWidgetModel.moc"
