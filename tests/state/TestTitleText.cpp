// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/AppTheme.h"
#include "app/state/MenuBarFormat.h"
#include "app/state/TitleText.h"

#include <QTest>

Q_DECLARE_METATYPE(RevolutionaryDate)
Q_DECLARE_METATYPE(DecimalTime)
Q_DECLARE_METATYPE(MenuBarFormat)

namespace {

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

} // namespace

class TestTitleText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menuBarText_data();
    void menuBarText();
    void shareableText();
    void timeTextPadsMinutesOnly();
    void firstCharactersCountsWhatTheEyeSees();
    void formatsRoundTripTheirRawValues();
    void themesRoundTripTheirRawValues();
};

void TestTitleText::menuBarText_data()
{
    QTest::addColumn<RevolutionaryDate>("today");
    QTest::addColumn<DecimalTime>("time");
    QTest::addColumn<MenuBarFormat>("format");
    QTest::addColumn<QString>("expected");

    const RevolutionaryDate frimaire{235, 3, 15, 5};
    const DecimalTime morning{4, 44, 44};
    QTest::newRow("date and time") << frimaire << morning << MenuBarFormat::dateAndTime
                                   << QStringLiteral("🥶 15 Frimaire · Quintidi · 4:44");
    QTest::newRow("date") << frimaire << morning << MenuBarFormat::date << QStringLiteral("🥶 15 Frim.");
    QTest::newRow("decimal time") << frimaire << morning << MenuBarFormat::decimalTime << QStringLiteral("🥶 4:44");
    QTest::newRow("day number") << frimaire << morning << MenuBarFormat::dayNumber << QStringLiteral("🥶 15");

    const RevolutionaryDate revolution{235, 13, 6, 6};
    const DecimalTime midnight{0, 0, 0};
    QTest::newRow("sixth complementary day") << revolution << midnight << MenuBarFormat::dateAndTime
                                             << QStringLiteral("🎉 6 Sansculottides · Sextidi · 0:00");
    QTest::newRow("sixth complementary day, date")
        << revolution << midnight << MenuBarFormat::date << QStringLiteral("🎉 6 Sans.");
    QTest::newRow("sixth complementary day, time")
        << revolution << midnight << MenuBarFormat::decimalTime << QStringLiteral("🎉 0:00");
    QTest::newRow("sixth complementary day, number")
        << revolution << midnight << MenuBarFormat::dayNumber << QStringLiteral("🎉 6");
    // The accented letter counts as one character; the variation selector stays with its emoji.
    QTest::newRow("Nivôse") << RevolutionaryDate{235, 4, 1, 1} << midnight << MenuBarFormat::date
                            << QStringLiteral("☃️ 1 Nivô.");
    QTest::newRow("Vendémiaire") << RevolutionaryDate{235, 1, 30, 10} << DecimalTime{9, 99, 98}
                                 << MenuBarFormat::dateAndTime << QStringLiteral("🍇 30 Vendémiaire · Décadi · 9:99");
}

void TestTitleText::menuBarText()
{
    QFETCH(RevolutionaryDate, today);
    QFETCH(DecimalTime, time);
    QFETCH(MenuBarFormat, format);
    QFETCH(QString, expected);
    QCOMPARE(text(TitleText::menuBarText(today, time, format)), expected);
}

void TestTitleText::shareableText()
{
    QCOMPARE(text(TitleText::shareableText({235, 3, 15, 5}, {4, 44, 44})),
             QStringLiteral("🥶 15 Frimaire an CCXXXV · 4:44 décimal"));
    QCOMPARE(text(TitleText::shareableText({3, 13, 6, 6}, {0, 5, 0})),
             QStringLiteral("🎉 6 Sansculottides an III · 0:05 décimal"));
    // One é, not e + combining accent.
    QVERIFY(TitleText::shareableText({1, 1, 1, 1}, {0, 0, 0})
                .ends_with(" d\xC3\xA9"
                           "cimal"));
}

void TestTitleText::timeTextPadsMinutesOnly()
{
    QCOMPARE(text(TitleText::timeText({0, 5, 99})), QStringLiteral("0:05"));
    QCOMPARE(text(TitleText::timeText({9, 99, 98})), QStringLiteral("9:99"));
    QCOMPARE(text(TitleText::timeText({1, 0, 0})), QStringLiteral("1:00"));
}

void TestTitleText::firstCharactersCountsWhatTheEyeSees()
{
    QCOMPARE(text(TitleText::firstCharacters("Vendémiaire", 4)), QStringLiteral("Vend"));
    QCOMPARE(text(TitleText::firstCharacters("Floréal", 5)), QStringLiteral("Floré"));
    QCOMPARE(text(TitleText::firstCharacters("Ave", 4)), QStringLiteral("Ave"));
    QCOMPARE(text(TitleText::firstCharacters("", 4)), QString());
    // e + combining acute, a flag, a joined family: one character each.
    QCOMPARE(text(TitleText::firstCharacters("e\u0301te", 2)), QStringLiteral("e\u0301t"));
    QCOMPARE(text(TitleText::firstCharacters("🇫🇷🇫🇷", 1)), QStringLiteral("🇫🇷"));
    QCOMPARE(text(TitleText::firstCharacters("👨‍⚖️x", 1)), QStringLiteral("👨‍⚖️"));
}

void TestTitleText::formatsRoundTripTheirRawValues()
{
    const QStringList raw{"dateAndTime", "date", "decimalTime", "dayNumber"};
    const QStringList labels{"Date & decimal time", "Date only", "Decimal time only", "Day number only"};
    QCOMPARE(MenuBarFormats::allCases.size(), std::size_t{4});
    for (std::size_t i = 0; i < MenuBarFormats::allCases.size(); ++i) {
        const MenuBarFormat format = MenuBarFormats::allCases[i];
        QCOMPARE(text(MenuBarFormats::rawValue(format)), raw[qsizetype(i)]);
        QCOMPARE(text(MenuBarFormats::displayName(format)), labels[qsizetype(i)]);
        QCOMPARE(MenuBarFormats::fromRawValue(MenuBarFormats::rawValue(format)), std::optional{format});
    }
    for (const char* wrong : {"", "DateAndTime", "dateandtime", "date ", "time", "dateAndTime\n"}) {
        QVERIFY2(!MenuBarFormats::fromRawValue(wrong), wrong);
    }
}

void TestTitleText::themesRoundTripTheirRawValues()
{
    QCOMPARE(AppThemes::allCases.size(), std::size_t{3});
    QCOMPARE(text(AppThemes::rawValue(AppTheme::light)), QStringLiteral("light"));
    QCOMPARE(text(AppThemes::rawValue(AppTheme::sepiaNight)), QStringLiteral("sepiaNight"));
    QCOMPARE(text(AppThemes::displayName(AppTheme::light)), QStringLiteral("Light parchment"));
    QCOMPARE(text(AppThemes::displayName(AppTheme::sepiaNight)), QStringLiteral("Sepia night"));
    QCOMPARE(text(AppThemes::rawValue(AppTheme::desktop)), QStringLiteral("desktop"));
    QCOMPARE(AppThemes::fromRawValue("sepiaNight"), std::optional{AppTheme::sepiaNight});
    QCOMPARE(AppThemes::fromRawValue("desktop"), std::optional{AppTheme::desktop});
    QCOMPARE(AppThemes::fromRawValue("light"), std::optional{AppTheme::light});
    for (const char* wrong : {"", "sepianight", "Light", "dark"}) {
        QVERIFY2(!AppThemes::fromRawValue(wrong), wrong);
    }
}

QTEST_APPLESS_MAIN(TestTitleText)
#include "TestTitleText.moc"
