// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/DailyItems.h"

#include <QTest>

#include <map>
#include <set>

class TestDailyItems : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookupFillsTheDayOfYear_data();
    void lookupFillsTheDayOfYear();
    void noItemOutsideTheTwelveMonths();
    void categoryPattern();
    void imageNames_data();
    void imageNames();
    void everyImageNameIsASafeDistinctFileName();
    void categoryTexts();
    void mendedEnglishNames();
};

void TestDailyItems::lookupFillsTheDayOfYear_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("frenchName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("dayOfYear");
    QTest::newRow("1 Vendémiaire") << 1 << 1 << QStringLiteral("Raisin") << QStringLiteral("Grape")
                                   << int(DailyItem::Category::plant) << 1;
    QTest::newRow("3 Vendémiaire") << 1 << 3 << QStringLiteral("Châtaigne") << QStringLiteral("Chestnut")
                                   << int(DailyItem::Category::plant) << 3;
    QTest::newRow("8 Frimaire") << 3 << 8 << QStringLiteral("Miel") << QStringLiteral("Honey")
                                << int(DailyItem::Category::animal) << 68;
    QTest::newRow("19 Nivôse") << 4 << 19 << QStringLiteral("Marbre") << QStringLiteral("Marble")
                               << int(DailyItem::Category::mineral) << 109;
    QTest::newRow("29 Pluviôse") << 5 << 29 << QStringLiteral("Traîneau") << QStringLiteral("Sleigh")
                                 << int(DailyItem::Category::tool) << 149;
    QTest::newRow("30 Pluviôse") << 5 << 30 << QStringLiteral("Tussilage") << QStringLiteral("Tussilago")
                                 << int(DailyItem::Category::plant) << 150;
    QTest::newRow("30 Fructidor") << 12 << 30 << QStringLiteral("Panier") << QStringLiteral("Pack basket")
                                  << int(DailyItem::Category::tool) << 360;
}

void TestDailyItems::lookupFillsTheDayOfYear()
{
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, frenchName);
    QFETCH(QString, name);
    QFETCH(int, category);
    QFETCH(int, dayOfYear);
    const auto item = DailyItems::item({235, month, day, (day - 1) % 10 + 1});
    QVERIFY(item);
    QCOMPARE(QString::fromUtf8(item->frenchName.data(), qsizetype(item->frenchName.size())), frenchName);
    QCOMPARE(QString::fromUtf8(item->name.data(), qsizetype(item->name.size())), name);
    QCOMPARE(int(item->category), category);
    QCOMPARE(item->dayOfYear, dayOfYear);
    // The table itself is untouched.
    QCOMPARE(DailyItems::allItems[static_cast<std::size_t>(dayOfYear - 1)].dayOfYear, 0);
    // Only month and day matter.
    QCOMPARE(DailyItems::item({1, month, day, 1}), item);
}

void TestDailyItems::noItemOutsideTheTwelveMonths()
{
    for (std::int64_t day = 1; day <= 6; ++day) {
        QVERIFY(!DailyItems::item({3, 13, day, day}));
    }
    QVERIFY(!DailyItems::item({1, 12, 31, 1}));
    QVERIFY(!DailyItems::item({1, 1, 0, 1}));
    QVERIFY(!DailyItems::item({1, std::numeric_limits<std::int64_t>::min(), 1, 1}));
    QVERIFY(!DailyItems::item({1, 1, std::numeric_limits<std::int64_t>::max(), 1}));
    QVERIFY(!DailyItems::item({1, -400'000'000'000'000'000, 1, 1}));
}

void TestDailyItems::categoryPattern()
{
    std::map<DailyItem::Category, int> counts;
    for (std::size_t index = 0; index < DailyItems::allItems.size(); ++index) {
        const DailyItem& item = DailyItems::allItems[index];
        QCOMPARE(item.dayOfYear, 0);
        QVERIFY(!item.name.empty() && !item.frenchName.empty() && !item.emoji.empty());
        ++counts[item.category];
        const std::size_t month = index / 30 + 1;
        const std::size_t day = index % 30 + 1;
        DailyItem::Category expected = month == 4 ? DailyItem::Category::mineral : DailyItem::Category::plant;
        if (day % 10 == 5) {
            expected = DailyItem::Category::animal;
        } else if (day % 10 == 0) {
            expected = DailyItem::Category::tool;
        }
        // The four rows that break the pattern.
        if ((month == 3 && (day == 8 || day == 11))) {
            expected = DailyItem::Category::animal;
        } else if (month == 5 && day == 29) {
            expected = DailyItem::Category::tool;
        } else if (month == 5 && day == 30) {
            expected = DailyItem::Category::plant;
        }
        QVERIFY2(item.category == expected, qPrintable(QStringLiteral("month %1 day %2").arg(month).arg(day)));
    }
    QCOMPARE(counts[DailyItem::Category::plant], 262);
    QCOMPARE(counts[DailyItem::Category::animal], 38);
    QCOMPARE(counts[DailyItem::Category::tool], 36);
    QCOMPARE(counts[DailyItem::Category::mineral], 24);
}

void TestDailyItems::imageNames_data()
{
    QTest::addColumn<int>("dayOfYear");
    QTest::addColumn<QString>("imageName");
    QTest::newRow("Raisin") << 1 << QStringLiteral("day_001_raisin");
    QTest::newRow("Pomme de terre") << 11 << QStringLiteral("day_011_pomme_de_terre");
    QTest::newRow("Âne") << 15 << QStringLiteral("day_015_ane");
    QTest::newRow("Bœuf") << 25 << QStringLiteral("day_025_boeuf");
    QTest::newRow("Érable à sucre") << 81 << QStringLiteral("day_081_erable_a_sucre");
    QTest::newRow("Bâton-d'or") << 223 << QStringLiteral("day_223_baton-dor");
    QTest::newRow("Œillet") << 256 << QStringLiteral("day_256_oeillet");
    QTest::newRow("Épine-vinette") << 343 << QStringLiteral("day_343_epine-vinette");
    QTest::newRow("Panier") << 360 << QStringLiteral("day_360_panier");
}

void TestDailyItems::imageNames()
{
    QFETCH(int, dayOfYear);
    QFETCH(QString, imageName);
    const auto item = DailyItems::item({1, (dayOfYear - 1) / 30 + 1, (dayOfYear - 1) % 30 + 1, 1});
    QVERIFY(item);
    QCOMPARE(QString::fromStdString(item->imageName()), imageName);
}

void TestDailyItems::everyImageNameIsASafeDistinctFileName()
{
    std::set<std::string> names;
    for (std::int64_t dayOfYear = 1; dayOfYear <= 360; ++dayOfYear) {
        const auto item = DailyItems::item({1, (dayOfYear - 1) / 30 + 1, (dayOfYear - 1) % 30 + 1, 1});
        QVERIFY(item);
        const std::string name = item->imageName();
        for (const char c : name) {
            QVERIFY2((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-', name.c_str());
        }
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, "day_%03lld_", static_cast<long long>(dayOfYear));
        QVERIFY2(name.rfind(prefix, 0) == 0, name.c_str());
        QVERIFY(name.size() > 8);
        names.insert(name);
    }
    QCOMPARE(names.size(), std::size_t{360});
}

void TestDailyItems::categoryTexts()
{
    using Category = DailyItem::Category;
    for (const Category category : {Category::plant, Category::animal, Category::tool, Category::mineral}) {
        QCOMPARE(DailyItems::categoryFromText(DailyItems::categoryText(category)), std::optional{category});
    }
    QCOMPARE(DailyItems::categoryText(Category::mineral), std::string_view{"Mineral"});
    QVERIFY(!DailyItems::categoryFromText("plant"));
    QVERIFY(!DailyItems::categoryFromText("PLANT"));
    QVERIFY(!DailyItems::categoryFromText(""));
    QVERIFY(!DailyItems::categoryFromText("Plants"));
}

void TestDailyItems::mendedEnglishNames()
{
    QCOMPARE(DailyItems::item({1, 4, 3, 3})->name, std::string_view{"Bitumen"});
    QCOMPARE(DailyItems::item({1, 4, 16, 6})->name, std::string_view{"Flint"});
    QCOMPARE(DailyItems::item({1, 4, 19, 9})->emoji, std::string_view{"⬜"});
}

QTEST_APPLESS_MAIN(TestDailyItems)
#include "TestDailyItems.moc"
