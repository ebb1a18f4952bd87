// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/HistoricalData.h"
#include "calendar/LocalCalendar.h"
#include "tests/support/ScopedTimeZone.h"

#include <QTest>

#include <set>

namespace {

QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
}

} // namespace

class TestHistoricalData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eventsOfEveryDayOfTheYear();
    void knownDays();
    void joinedEmojiAreOneCharacter();
    void guillotineCounter_data();
    void guillotineCounter();
    void slogans();
};

void TestHistoricalData::eventsOfEveryDayOfTheYear()
{
    // Each of the 366 possible days gets the table rows on its month and day, in table order,
    // and no day has more than one; all 38 rows are reachable.
    int total = 0;
    for (std::int64_t month = 1; month <= 13; ++month) {
        for (std::int64_t day = 1; day <= (month == 13 ? 6 : 30); ++day) {
            const auto found = HistoricalData::events({3, month, day, 1});
            QVERIFY(found.size() <= 1);
            for (const auto& event : found) {
                QCOMPARE(event.revolutionaryDate, (HistoricalData::HistoricalEvent::Day{month, day}));
            }
            total += int(found.size());
            // The year of the date plays no part.
            QCOMPARE(HistoricalData::events({235, month, day, 7}), found);
        }
    }
    QCOMPARE(total, 38);
    QVERIFY(HistoricalData::events({1, 14, 1, 1}).empty());
    QVERIFY(HistoricalData::events({1, 1, 31, 1}).empty());
}

void TestHistoricalData::knownDays()
{
    const auto first = HistoricalData::events({235, 1, 1, 1});
    QCOMPARE(first.size(), std::size_t{1});
    QCOMPARE(text(first[0].title), QStringLiteral("Republic Proclaimed"));
    QCOMPARE(first[0].year, std::optional<std::int64_t>{1});

    const auto execution = HistoricalData::events({235, 4, 21, 1});
    QCOMPARE(execution.size(), std::size_t{1});
    QCOMPARE(text(execution[0].title), QStringLiteral("Louis XVI Executed"));
    QCOMPARE(execution[0].year, std::optional<std::int64_t>{1});

    QVERIFY(HistoricalData::events({235, 1, 2, 2}).empty());

    const char* festivals[] = {"Fête de la Vertu",  "Fête du Génie",        "Fête du Travail",
                               "Fête de l'Opinion", "Fête des Récompenses", "Fête de la Révolution"};
    for (std::int64_t day = 1; day <= 6; ++day) {
        const auto festival = HistoricalData::events({3, 13, day, day});
        QCOMPARE(festival.size(), std::size_t{1});
        QCOMPARE(text(festival[0].title), QString::fromUtf8(festivals[day - 1]));
        QVERIFY(!festival[0].year);
    }
    // Rows kept in table order, which is not date order.
    QCOMPARE(text(HistoricalData::allEvents[33].title), QStringLiteral("Marie Antoinette Trial"));
    QCOMPARE(text(HistoricalData::allEvents[37].title), QStringLiteral("Girondins Executed"));
}

void TestHistoricalData::joinedEmojiAreOneCharacter()
{
    // The judge and the broken chain are single emoji built with zero-width joiners.
    QCOMPARE(HistoricalData::allEvents[7].emoji, std::string_view{"\U0001F468\u200D\u2696\uFE0F"});
    QCOMPARE(HistoricalData::allEvents[9].emoji, std::string_view{"\u26D3\uFE0F\u200D\U0001F4A5"});
    for (const auto& event : HistoricalData::allEvents) {
        QVERIFY(!event.emoji.empty() && !event.title.empty() && !event.description.empty());
    }
}

void TestHistoricalData::guillotineCounter_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("hour");
    QTest::addColumn<qint64>("days");
    for (const char* zone : {"Europe/Paris", "UTC"}) {
        QTest::addRow("%s execution day", zone) << QString::fromLatin1(zone) << 1977 << 9 << 10 << 0 << qint64{0};
        QTest::addRow("%s next day", zone) << QString::fromLatin1(zone) << 1977 << 9 << 11 << 0 << qint64{1};
        QTest::addRow("%s 2000", zone) << QString::fromLatin1(zone) << 2000 << 1 << 1 << 12 << qint64{8148};
        QTest::addRow("%s 2026-12-07", zone) << QString::fromLatin1(zone) << 2026 << 12 << 7 << 10 << qint64{17985};
    }
    QTest::newRow("Paris evening of the execution")
        << QStringLiteral("Europe/Paris") << 1977 << 9 << 10 << 23 << qint64{0};
}

void TestHistoricalData::guillotineCounter()
{
    QFETCH(QString, zone);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, hour);
    QFETCH(qint64, days);
    const ScopedTimeZone timeZone(zone.toLatin1().constData());
    const auto now = LocalCalendar::instant({year, month, day, hour, 0, 0});
    QVERIFY(now);
    // The execution instant is resolved once, in the zone of the first call (Paris, the first
    // row); elsewhere the count turns at the local time of that Paris midnight.
    QCOMPARE(HistoricalData::daysSinceLastGuillotine(*now), days);
}

void TestHistoricalData::slogans()
{
    std::set<std::string_view> distinct(HistoricalData::slogans.begin(), HistoricalData::slogans.end());
    QCOMPARE(distinct.size(), std::size_t{10});
    QCOMPARE(text(HistoricalData::slogans.front()), QStringLiteral("Liberté, Égalité, Fraternité"));
    QCOMPARE(text(HistoricalData::slogans.back()), QStringLiteral("Aux armes, citoyens!"));
}

QTEST_APPLESS_MAIN(TestHistoricalData)
#include "TestHistoricalData.moc"
