// SPDX-License-Identifier: GPL-3.0-or-later
// The provider's week of entries: one per local midnight, whatever the zone does to its days, by
// the leap-year rule of the program's settings.

#include "common/SharedSettings.h"
#include "tests/support/ScopedTimeZone.h"
#include "widget/Provider.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>

namespace {

WidgetInstant localInstant(const QString& isoLocalTime)
{
    return toWidgetInstant(QDateTime::fromString(isoLocalTime, Qt::ISODate));
}

QString localText(const QDateTime& date)
{
    const QDateTime local = date.toLocalTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

// Saves the program's settings as it does, by a new file renamed over the old one.
void storeLeapRule(const QString& configFolder, const QString& rule)
{
    const QString path = QDir(configFolder).filePath(QLatin1String(SharedSettings::relativeFilePath));
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QSaveFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\nappTheme=light\n" + QByteArray(SharedSettings::leapRuleKey) + '=' + rule.toUtf8() + '\n');
    QVERIFY(file.commit());
}

std::tm localParts(const QDateTime& date)
{
    const std::time_t seconds = date.toSecsSinceEpoch();
    std::tm parts{};
    localtime_r(&seconds, &parts);
    return parts;
}

} // namespace

class TestWidgetTimeline final : public QObject
{
    Q_OBJECT

    // The settings the provider reads, never the user's own.
    QTemporaryDir m_config;

private Q_SLOTS:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path())); }
    void cleanup() { QFile::remove(QDir(m_config.path()).filePath(QLatin1String(SharedSettings::relativeFilePath))); }
    void entriesFallOnLocalMidnights_data();
    void entriesFallOnLocalMidnights();
    void complementaryDaysHaveNoItem();
    void providerAnswersForTheHostsInstant();
};

void TestWidgetTimeline::entriesFallOnLocalMidnights_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("firstEntry");
    QTest::addColumn<QString>("reload");
    QTest::addColumn<int>("entryCount");
    QTest::addColumn<QString>("rule"); // stored in the settings; empty: no settings file

    QTest::newRow("a minute to midnight") << QByteArray("Europe/Paris") << "2026-12-07T23:59:00"
                                          << "2026-12-07T00:00:00+01:00"
                                          << "2026-12-08T00:00:00+01:00" << 7 << "";
    QTest::newRow("just after midnight") << QByteArray("Europe/Paris") << "2026-12-08T00:00:01"
                                         << "2026-12-08T00:00:00+01:00"
                                         << "2026-12-09T00:00:00+01:00" << 7 << "";
    QTest::newRow("Paris, clocks go forward") << QByteArray("Europe/Paris") << "2026-03-27T12:00:00"
                                              << "2026-03-27T00:00:00+01:00"
                                              << "2026-03-28T00:00:00+01:00" << 7 << "";
    QTest::newRow("Paris, clocks go back") << QByteArray("Europe/Paris") << "2026-10-25T23:59:59"
                                           << "2026-10-25T00:00:00+02:00"
                                           << "2026-10-26T00:00:00+01:00" << 7 << "";
    QTest::newRow("New York, clocks go forward") << QByteArray("America/New_York") << "2026-03-07T23:59:00"
                                                 << "2026-03-07T00:00:00-05:00"
                                                 << "2026-03-08T00:00:00-05:00" << 7 << "";
    QTest::newRow("New York, clocks go back") << QByteArray("America/New_York") << "2026-10-30T08:00:00"
                                              << "2026-10-30T00:00:00-04:00"
                                              << "2026-10-31T00:00:00-04:00" << 7 << "";
    // The day starts at 01:00 when the clocks go forward at midnight.
    QTest::newRow("São Paulo, midnight skipped") << QByteArray("America/Sao_Paulo") << "2018-11-03T23:59:00"
                                                 << "2018-11-03T00:00:00-03:00"
                                                 << "2018-11-04T01:00:00-02:00" << 7 << "";
    // Samoa crossed the date line: 29 December 2011 was followed by the 31st.
    QTest::newRow("Apia, before the skipped day") << QByteArray("Pacific/Apia") << "2011-12-29T23:59:00"
                                                  << "2011-12-29T00:00:00-10:00"
                                                  << "2011-12-31T00:00:00+14:00" << 6 << "";
    QTest::newRow("Apia, the day before that") << QByteArray("Pacific/Apia") << "2011-12-28T12:00:00"
                                               << "2011-12-28T00:00:00-10:00"
                                               << "2011-12-29T00:00:00-10:00" << 6 << "";
    QTest::newRow("Apia, after the skipped day") << QByteArray("Pacific/Apia") << "2011-12-31T00:00:00"
                                                 << "2011-12-31T00:00:00+14:00"
                                                 << "2012-01-01T00:00:00+14:00" << 7 << "";
    // An equinox year began a day after a continuous one: 18 Frimaire, not 17.
    QTest::newRow("Paris, equinox rule") << QByteArray("Europe/Paris") << "2026-12-09T10:00:00"
                                         << "2026-12-09T00:00:00+01:00"
                                         << "2026-12-10T00:00:00+01:00" << 7 << "equinox";
}

void TestWidgetTimeline::entriesFallOnLocalMidnights()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, now);
    QFETCH(QString, firstEntry);
    QFETCH(QString, reload);
    QFETCH(int, entryCount);
    QFETCH(QString, rule);
    ScopedTimeZone timeZone(zone.constData());
    if (!rule.isEmpty()) {
        storeLeapRule(m_config.path(), rule);
    }
    const LeapRule expectedRule = leapRuleFromName(rule.toStdString()).value_or(LeapRule::continuous);

    const Provider provider;
    std::optional<WidgetKit::Timeline> answer;
    provider.getTimeline({WidgetKit::WidgetFamily::small, {170, 170}, false, QDateTime::fromString(now, Qt::ISODate)},
                         [&answer](WidgetKit::Timeline given) { answer = std::move(given); });
    QVERIFY(answer);
    const WidgetKit::Timeline& timeline = *answer;
    QCOMPARE(timeline.policy.kind, WidgetKit::ReloadPolicy::Kind::after);
    QCOMPARE(localText(timeline.policy.date), reload);
    QCOMPARE(static_cast<int>(timeline.entries.size()), entryCount);
    QCOMPARE(localText(timeline.entries.front()->date), firstEntry);

    for (std::size_t i = 0; i < timeline.entries.size(); ++i) {
        const QDateTime date = timeline.entries[i]->date;
        // A midnight: the local day changed during the second before it.
        const std::tm at = localParts(date);
        const std::tm before = localParts(date.addSecs(-1));
        QVERIFY2(at.tm_mday != before.tm_mday, qPrintable(localText(date)));
        QVERIFY2(at.tm_min == 0 && at.tm_sec == 0, qPrintable(localText(date)));
        if (i > 0) {
            const QDateTime previous = timeline.entries[i - 1]->date;
            QVERIFY(previous < date);
            // Consecutive days, or two apart across a day the zone skipped.
            const auto days = previous.toLocalTime().date().daysTo(date.toLocalTime().date());
            QVERIFY2(days == 1 || (zone == "Pacific/Apia" && days == 2), qPrintable(localText(date)));
        }
        const auto& entry = static_cast<const RevolutionaryDateEntry&>(*timeline.entries[i]);
        QCOMPARE(entry.revolutionaryDate, RevolutionaryCalendar::fromGregorian(toWidgetInstant(date), expectedRule));
    }
    // The reload comes after now, at the second entry's midnight.
    QVERIFY(timeline.policy.date > QDateTime::fromString(now, Qt::ISODate));
    QCOMPARE(timeline.policy.date, timeline.entries[1]->date);

    // Another rule chosen in the settings asks the host for a new timeline at once.
    int reloads = 0;
    QObject host;
    provider.addReloadListener(&host, [&reloads] { ++reloads; });
    storeLeapRule(m_config.path(),
                  rule == QLatin1String("equinox") ? QStringLiteral("romme") : QStringLiteral("equinox"));
    QTRY_COMPARE(reloads, 1);
    QVERIFY(provider.leapRule() != expectedRule);
}

void TestWidgetTimeline::complementaryDaysHaveNoItem()
{
    ScopedTimeZone timeZone("Europe/Paris");
    // 30 Fructidor an CCXXXIV; the year's five complementary days follow.
    const WidgetKit::Timeline timeline = Provider::timeline(localInstant("2026-09-18T20:00:00"));
    QCOMPARE(timeline.entries.size(), std::size_t{7});
    const auto entry = [&](std::size_t i) { return static_cast<const RevolutionaryDateEntry&>(*timeline.entries[i]); };
    QCOMPARE(entry(0).revolutionaryDate, (WidgetRevolutionaryDate{234, 12, 30, 10}));
    QCOMPARE(entry(0).dailyItem->frenchName, std::string_view("Panier"));
    for (std::size_t i = 1; i <= 5; ++i) {
        QCOMPARE(entry(i).revolutionaryDate,
                 (WidgetRevolutionaryDate{234, 13, static_cast<std::int64_t>(i), static_cast<std::int64_t>(i)}));
        QVERIFY(!entry(i).dailyItem);
        QVERIFY(entry(i).summary().endsWith(QStringLiteral(" -")));
    }
    QCOMPARE(entry(6).revolutionaryDate, (WidgetRevolutionaryDate{235, 1, 1, 1}));
    QCOMPARE(entry(6).summary(), QStringLiteral("235 1 1 1 Raisin"));
}

void TestWidgetTimeline::providerAnswersForTheHostsInstant()
{
    ScopedTimeZone timeZone("Europe/Paris");
    const Provider provider;
    const QDateTime now = QDateTime::fromString(QStringLiteral("2027-01-10T10:00:00+01:00"), Qt::ISODate);
    const WidgetKit::TimelineContext context{WidgetKit::WidgetFamily::medium, {364, 170}, false, now};

    const auto placeholder = std::dynamic_pointer_cast<const RevolutionaryDateEntry>(provider.placeholder(context));
    QVERIFY(placeholder);
    QCOMPARE(placeholder->date, now);
    QCOMPARE(placeholder->summary(), QStringLiteral("235 4 19 9 Marbre"));

    WidgetKit::EntryPointer snapshot;
    provider.getSnapshot(context, [&](WidgetKit::EntryPointer entry) { snapshot = std::move(entry); });
    QVERIFY(snapshot);
    QCOMPARE(snapshot->date, now);
    QCOMPARE(snapshot->summary(), placeholder->summary());

    std::optional<WidgetKit::Timeline> timeline;
    provider.getTimeline(context, [&](WidgetKit::Timeline answer) { timeline = std::move(answer); });
    QVERIFY(timeline);
    QCOMPARE(timeline->entries.size(), std::size_t{7});
    QCOMPARE(localText(timeline->entries.front()->date), QStringLiteral("2027-01-10T00:00:00+01:00"));
}

QTEST_GUILESS_MAIN(TestWidgetTimeline)
#include "TestWidgetTimeline.moc"
