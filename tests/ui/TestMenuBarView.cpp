// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/LeapRuleChoice.h"
#include "app/ui/ElidedLabel.h"
#include "app/ui/EngravingView.h"
#include "app/ui/MenuBarView.h"
#include "app/ui/PanelStyle.h"
#include "app/ui/PanelText.h"
#include "tests/ui/PanelInspection.h"
#include "tests/ui/UiFixture.h"

#include <QFontInfo>
#include <QLabel>
#include <QLayout>
#include <QMap>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

QString textOf(const QWidget& panel, const char* objectName)
{
    // What the label holds, before any ellipsis the width of the panel may add.
    if (const auto* elided = panel.findChild<ElidedLabel*>(QLatin1String(objectName))) {
        return elided->fullText();
    }
    const auto* label = panel.findChild<QLabel*>(QLatin1String(objectName));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(objectName));
}

bool shown(const QWidget& panel, const char* objectName)
{
    const auto* widget = panel.findChild<QWidget*>(QLatin1String(objectName));
    return widget && widget->isVisibleTo(&panel);
}

QToolButton* button(const QWidget& panel, const char* objectName)
{
    return panel.findChild<QToolButton*>(QLatin1String(objectName));
}

QStringList eventTitles(const QWidget& panel)
{
    QStringList titles;
    for (int row = 0;; ++row) {
        const auto* line = panel.findChild<QWidget*>(QStringLiteral("eventRow%1").arg(row));
        if (!line) {
            return titles;
        }
        QString title = line->findChild<QLabel*>(QStringLiteral("eventTitle"))->text();
        if (const auto* year = line->findChild<QLabel*>(QStringLiteral("eventYear"))) {
            title += QLatin1Char(' ') + year->text();
        }
        titles << title;
    }
}

// How far the most inked pixel of `area` goes from the background towards `full`, the colour the
// ink has where it covers a whole pixel: 1 when it gets there, below when strokes are too thin,
// above when the ink is darker (or lighter) than its level.
double reach(const QImage& image, const QRect& area, QColor background, QColor full)
{
    const double dr = full.redF() - background.redF(), dg = full.greenF() - background.greenF(),
                 db = full.blueF() - background.blueF();
    const double length = dr * dr + dg * dg + db * db;
    double most = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const double along =
                ((pixel.redF() - background.redF()) * dr + (pixel.greenF() - background.greenF()) * dg +
                 (pixel.blueF() - background.blueF()) * db) /
                length;
            most = std::max(most, along);
        }
    }
    return most;
}

// A colour laid over an opaque background.
QColor over(const QColor& top, const QColor& background)
{
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.fill(background);
    QPainter(&pixel).fillRect(pixel.rect(), top);
    return pixel.pixelColor(0, 0);
}

} // namespace

class TestMenuBarView : public QObject
{
    Q_OBJECT

    // Instants in these tests are Paris times, also when the test runs without ctest's TZ.
    ScopedTimeZone m_zone{"Europe/Paris"};

private Q_SLOTS:
    void initTestCase();
    void headerAndSectionsOfAnOrdinaryDay();
    void headerNamesTheLeapRule();
    void complementaryDayHasNoItemSection();
    void eventsShowTheirYearOnlyWhenTheyHaveOne();
    void missingEngravingShowsTheEmoji();
    void controlSymbolsDrawWithoutTheResourceFolder();
    void nothingIsCutOnAnyDay_data();
    void nothingIsCutOnAnyDay();
    void timeFitsAWiderFont_data();
    void timeFitsAWiderFont();
    void everySloganShowsWhole();
    void headerKeepsItsHeightFromMonthToMonth();
    void navigationBarReachesItsLevel_data();
    void navigationBarReachesItsLevel();
    void ordinals_data();
    void ordinals();
    void keyboardNavigation();
    void navigationButtons();
    void themeSwitchRestylesAtOnce();
    void soundSwitch();
    void copyConfirmsForTwoSeconds();
    void staysOnScreen();
};

void TestMenuBarView::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestMenuBarView::headerAndSectionsOfAnOrdinaryDay()
{
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0));
    MenuBarView panel(fixture.panelServices());
    panel.show();

    QCOMPARE(textOf(panel, "monthName"), QStringLiteral("FRIMAIRE"));
    QCOMPARE(textOf(panel, "monthMeaning"), QStringLiteral("\"Month of Frost\""));
    QCOMPARE(textOf(panel, "monthEmoji"), QStringLiteral("🥶"));
    QCOMPARE(textOf(panel, "fullDate"), QStringLiteral("15 Frimaire an CCXXXV"));
    QCOMPARE(textOf(panel, "weekday"), QStringLiteral("Quintidi"));
    QCOMPARE(textOf(panel, "decadeOrdinal"), QStringLiteral("5th of décade"));
    QCOMPARE(textOf(panel, "gregorianDate"), QStringLiteral("December 7, 2026"));
    QCOMPARE(textOf(panel, "gregorianCaption"), QStringLiteral("Gregorian"));
    QVERIFY(
        panel.findChild<QWidget*>(QStringLiteral("decadeLine"))->toolTip().contains(QStringLiteral("10-day 'décade'")));

    QCOMPARE(textOf(panel, "decimalTime"), QStringLiteral("4:44:44"));
    QCOMPARE(textOf(panel, "standardTime"), QStringLiteral("10:40 AM"));

    QVERIFY(shown(panel, "dailyItemSection"));
    QCOMPARE(textOf(panel, "itemFrenchName"), QStringLiteral("Chevreuil"));
    QCOMPARE(textOf(panel, "itemDetails"), QStringLiteral("Roe deer • Animal"));
    QVERIFY(!shown(panel, "onThisDaySection"));
    QCOMPARE(textOf(panel, "guillotineCount"), QStringLiteral("17,985"));
    QCOMPARE(textOf(panel, "guillotineDate"), QStringLiteral("Sep 10, 1977"));
    QVERIFY(shown(panel, "todayMarker"));
    QVERIFY(!shown(panel, "returnToToday"));
    QCOMPARE(panel.width(), MenuBarView::panelWidth);

    // A tick moves the clocks of the open panel.
    fixture.tickAt(localInstant(2026, 12, 7, 10, 40, 9));
    QCOMPARE(textOf(panel, "decimalTime"), QStringLiteral("4:44:54"));
}

void TestMenuBarView::headerNamesTheLeapRule()
{
    UiFixture fixture(localInstant(2026, 12, 9, 10, 40, 0));
    MenuBarView panel(fixture.panelServices());
    panel.show();
    struct Case
    {
        LeapRule rule;
        const char* date;
        const char* line;
    };
    // 9 December 2026 by each rule; the line names the rule, its tooltip explains it.
    for (const Case& shown : {Case{LeapRule::continuous, "17 Frimaire an CCXXXV", "Leap years: continuous (3, 7, 11…)"},
                              Case{LeapRule::equinox, "18 Frimaire an CCXXXV", "Leap years: by the equinox at Paris"},
                              Case{LeapRule::madler, "18 Frimaire an CCXXXV", "Leap years: von Mädler (20, 24, 28…)"},
                              Case{LeapRule::romme, "19 Frimaire an CCXXXV", "Leap years: Romme (20, 24, 28…)"}}) {
        fixture.calendar->setLeapRule(shown.rule);
        settle();
        QCOMPARE(textOf(panel, "fullDate"), QString::fromUtf8(shown.date));
        QCOMPARE(textOf(panel, "gregorianDate"), QStringLiteral("December 9, 2026"));
        QCOMPARE(textOf(panel, "leapRule"), QString::fromUtf8(shown.line));
        QCOMPARE(panel.findChild<QLabel*>(QStringLiteral("leapRule"))->toolTip(),
                 LeapRuleChoice::explanation(shown.rule));
        QVERIFY2(cutTexts(panel).isEmpty(), qPrintable(cutTexts(panel).join(QLatin1Char('\n'))));
    }
}

void TestMenuBarView::complementaryDayHasNoItemSection()
{
    UiFixture fixture(localInstant(2026, 9, 22, 12, 0, 0));
    MenuBarView panel(fixture.panelServices());
    panel.show();
    QCOMPARE(textOf(panel, "monthName"), QStringLiteral("SANSCULOTTIDES"));
    QCOMPARE(textOf(panel, "fullDate"), QStringLiteral("4 Sansculottides an CCXXXIV"));
    QCOMPARE(textOf(panel, "decadeOrdinal"), QStringLiteral("4th of décade"));
    QVERIFY(!shown(panel, "dailyItemSection"));
    QVERIFY(shown(panel, "onThisDaySection"));
    QCOMPARE(eventTitles(panel), QStringList{QStringLiteral("Fête de l'Opinion")});

    // Two days on, the new year: the item section comes back and the panel grows.
    const int complementaryHeight = panel.height();
    fixture.calendar->stepDay(2);
    QCOMPARE(textOf(panel, "monthName"), QStringLiteral("VENDÉMIAIRE"));
    QCOMPARE(textOf(panel, "fullDate"), QStringLiteral("1 Vendémiaire an CCXXXV"));
    QVERIFY(shown(panel, "dailyItemSection"));
    QVERIFY(panel.height() > complementaryHeight);
}

void TestMenuBarView::eventsShowTheirYearOnlyWhenTheyHaveOne()
{
    // 21 Nivôse an CCXXXV is 12 January 2027.
    UiFixture fixture(localInstant(2027, 1, 12, 9, 0, 0));
    MenuBarView panel(fixture.panelServices());
    panel.show();
    QCOMPARE(textOf(panel, "fullDate"), QStringLiteral("21 Nivôse an CCXXXV"));
    QCOMPARE(eventTitles(panel), QStringList{QStringLiteral("Louis XVI Executed (An I)")});
    QCOMPARE(textOf(panel, "onThisDayHeading"), QStringLiteral("ON THIS DAY"));

    fixture.calendar->stepDay(1);
    QVERIFY(!shown(panel, "onThisDaySection"));
}

void TestMenuBarView::missingEngravingShowsTheEmoji()
{
    const QTemporaryDir empty;
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0), empty.path());
    MenuBarView panel(fixture.panelServices());
    panel.show();
    const auto* engraving = panel.findChild<EngravingView*>();
    QVERIFY(engraving);
    QVERIFY(!engraving->showsEngraving());
    QCOMPARE(engraving->height(), 260);
    // The guillotine's frame stays, empty.
    const auto* picture = panel.findChild<QLabel*>(QStringLiteral("guillotinePicture"));
    QCOMPARE(picture->size(), QSize(28, 28));
    QVERIFY(picture->pixmap().isNull());

    UiFixture withResources(localInstant(2026, 12, 7, 10, 40, 0));
    MenuBarView complete(withResources.panelServices());
    complete.show();
    QVERIFY(complete.findChild<EngravingView*>()->showsEngraving());
    QVERIFY(!complete.findChild<QLabel*>(QStringLiteral("guillotinePicture"))->pixmap().isNull());
}

void TestMenuBarView::controlSymbolsDrawWithoutTheResourceFolder()
{
    const QTemporaryDir parent;
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0), parent.filePath(QStringLiteral("missing")));
    MenuBarView panel(fixture.panelServices());
    panel.show();
    fixture.calendar->stepDay(1);
    for (const char* control :
         {"previousDay", "nextDay", "returnToToday", "soundButton", "copyButton", "preferencesButton", "quitButton"}) {
        const QToolButton* shown = button(panel, control);
        const QImage symbol = shown->icon().pixmap(shown->iconSize()).toImage();
        int inked = 0;
        for (int y = 0; y < symbol.height(); ++y) {
            for (int x = 0; x < symbol.width(); ++x) {
                inked += qAlpha(symbol.pixel(x, y)) > 32;
            }
        }
        QVERIFY2(inked >= 8, qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(control)).arg(inked)));
    }
}

void TestMenuBarView::nothingIsCutOnAnyDay_data()
{
    // From 1 Vendémiaire: an CCXXXV has six complementary days, an CCXXXVI five.
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("firstDay");
    QTest::addColumn<int>("days");
    for (const char* locale : {"C", "en_US", "fr_FR"}) {
        QTest::addRow("%s, common year", locale) << QString::fromLatin1(locale) << QDate(2027, 9, 25) << 365;
        QTest::addRow("%s, leap year", locale) << QString::fromLatin1(locale) << QDate(2026, 9, 24) << 366;
    }
}

void TestMenuBarView::nothingIsCutOnAnyDay()
{
    QFETCH(QString, locale);
    QFETCH(QDate, firstDay);
    QFETCH(int, days);
    QLocale::setDefault(QLocale(locale));
    UiFixture fixture(localInstant(firstDay.year(), firstDay.month(), firstDay.day(), 10, 40, 0));
    MenuBarView panel(fixture.panelServices());
    panel.show();
    // The font the panel is measured in: Debian's default.
    QCOMPARE(QFontInfo(PanelStyle::font(13)).family(), QStringLiteral("DejaVu Sans"));

    const std::int64_t year = fixture.calendar->currentDate().year;
    QStringList cut;
    int seen = 0;
    for (; fixture.calendar->currentDate().year == year; fixture.calendar->stepDay(1), ++seen) {
        settle();
        for (const QString& text : cutTexts(panel)) {
            cut << textOf(panel, "gregorianDate") + QStringLiteral(": ") + text;
        }
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(seen, days);
    QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("%1 cut, first: ").arg(cut.size()) +
                                       QStringList(cut.mid(0, 12)).join(QStringLiteral("\n"))));
}

void TestMenuBarView::timeFitsAWiderFont_data()
{
    // How much wider than Debian's default the times' font falls back, in per cent.
    QTest::addColumn<int>("width");
    QTest::newRow("ja_JP, the default font") << 100;
    QTest::newRow("ja_JP, a fallback half as wide again") << 150;
    QTest::newRow("ja_JP, a fallback four fifths wider") << 180;
}

void TestMenuBarView::timeFitsAWiderFont()
{
    QFETCH(int, width);
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    UiFixture fixture(localInstant(2026, 12, 7, 23, 59, 0));
    MenuBarView panel(fixture.panelServices());
    for (const char* name : {"decimalTime", "standardTime"}) {
        auto* time = panel.findChild<QLabel*>(QLatin1String(name));
        QVERIFY(time);
        QFont font = time->font();
        font.setStretch(width);
        time->setFont(font);
    }
    panel.show();
    settle();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY2(cutTexts(panel).isEmpty(), qPrintable(cutTexts(panel).join(QLatin1Char('\n'))));
}

void TestMenuBarView::everySloganShowsWhole()
{
    Instant at = localInstant(2026, 12, 7, 10, 40, 0);
    UiFixture fixture(at);
    MenuBarView panel(fixture.panelServices());
    panel.show();
    const auto* slogan = panel.findChild<ElidedLabel*>(QStringLiteral("slogan"));
    for (std::uint32_t index = 0; index < HistoricalData::slogans.size(); ++index) {
        fixture.random->queue(index);
        at += CalendarManager::sloganLifetime + std::chrono::seconds(1);
        fixture.tickAt(at);
        settle();
        QCOMPARE(slogan->fullText(), PanelText::fromUtf8(HistoricalData::slogans[index]));
        QVERIFY2(!slogan->isElided() && cutTexts(panel).isEmpty(), qPrintable(slogan->text()));
    }
}

void TestMenuBarView::headerKeepsItsHeightFromMonthToMonth()
{
    // The first day of every month, the complementary days' included. Beside the Republican date,
    // which takes a second line when it must, nothing in the header changes its height.
    UiFixture fixture(localInstant(2026, 9, 24, 10, 40, 0));
    MenuBarView panel(fixture.panelServices());
    panel.show();
    const auto* header = panel.findChild<QWidget*>(QStringLiteral("headerSection"));
    const auto* fullDate = panel.findChild<QLabel*>(QStringLiteral("fullDate"));
    QMap<int, QString> heights;
    for (int month = 1; month <= 13; ++month) {
        settle();
        QCOMPARE(fixture.calendar->currentDate().month, month);
        heights[header->height() - fullDate->height()] += textOf(panel, "monthName") + QLatin1Char(' ');
        fixture.calendar->stepDay(30);
    }
    QVERIFY2(heights.size() == 1, qPrintable(QStringList(heights.values()).join(QStringLiteral("| "))));
}

void TestMenuBarView::navigationBarReachesItsLevel_data()
{
    QTest::addColumn<bool>("night");
    QTest::newRow("light") << false;
    QTest::newRow("sepia night") << true;
}

void TestMenuBarView::navigationBarReachesItsLevel()
{
    QFETCH(bool, night);
    const AppTheme theme = night ? AppTheme::sepiaNight : AppTheme::light;
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0));
    fixture.calendar->setTheme(theme);
    MenuBarView panel(fixture.panelServices());
    panel.show();
    const PanelStyle style(theme);
    const QColor background = style.background();
    const QColor secondary = over(style.foreground(PanelStyle::Level::secondary), background);
    const auto area = [&panel](const char* objectName) {
        const auto* part = panel.findChild<QWidget*>(QLatin1String(objectName));
        return QRect(part->mapTo(&panel, QPoint()), part->size());
    };
    const auto check = [&](const QRect& where, const char* what) {
        const double reached = reach(panel.grab().toImage(), where, background, secondary);
        QVERIFY2(reached > 0.85 && reached < 1.15, qPrintable(QStringLiteral("%1: %2").arg(what).arg(reached)));
    };

    settle();
    check(area("previousDay"), "previous day");
    check(area("nextDay"), "next day");
    check(area("todayMarker"), "AUJOURD'HUI");

    fixture.calendar->stepDay(-1);
    settle();
    const QRect way = area("returnToToday");
    const int iconEnd = button(panel, "returnToToday")->iconSize().width() + 4;
    check(QRect(way.left(), way.top(), iconEnd, way.height()), "the way back's arrow");
    check(way.adjusted(iconEnd + 2, 0, 0, 0), "Aujourd'hui");
}

void TestMenuBarView::ordinals_data()
{
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("text");
    const char* expected[] = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th", "9th", "10th"};
    for (int day = 1; day <= 10; ++day) {
        QTest::addRow("%d", day) << qint64{day} << QString::fromLatin1(expected[day - 1]);
    }
    QTest::newRow("11") << qint64{11} << QStringLiteral("11th");
    QTest::newRow("0") << qint64{0} << QStringLiteral("0th");
    QTest::newRow("-1") << qint64{-1} << QStringLiteral("-1th");
}

void TestMenuBarView::ordinals()
{
    QFETCH(qint64, number);
    QFETCH(QString, text);
    QCOMPARE(PanelText::ordinal(number), text);
}

void TestMenuBarView::keyboardNavigation()
{
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0));
    MenuBarView panel(fixture.panelServices());
    DropDown dropDown(panel, fixture.dropDownServices());
    dropDown.showAt(QPoint(400, 0));
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.activateWindow();

    QTest::keyClick(&panel, Qt::Key_T);
    QCOMPARE(fixture.calendar->dayOffset(), 0);

    QTest::keyClick(&panel, Qt::Key_Left);
    QCOMPARE(fixture.calendar->dayOffset(), -1);
    QCOMPARE(textOf(panel, "fullDate"), QStringLiteral("14 Frimaire an CCXXXV"));
    QCOMPARE(textOf(panel, "gregorianDate"), QStringLiteral("December 6, 2026"));
    QVERIFY(shown(panel, "returnToToday"));
    QVERIFY(!shown(panel, "todayMarker"));
    // The clocks stay on the present.
    QCOMPARE(textOf(panel, "decimalTime"), QStringLiteral("4:44:44"));

    QTest::keyClick(&panel, Qt::Key_T);
    QCOMPARE(fixture.calendar->dayOffset(), 0);
    QVERIFY(shown(panel, "todayMarker"));

    QTest::keyClick(&panel, Qt::Key_Right);
    QTest::keyClick(&panel, Qt::Key_Right);
    QCOMPARE(fixture.calendar->dayOffset(), 2);
    QCOMPARE(textOf(panel, "fullDate"), QStringLiteral("17 Frimaire an CCXXXV"));

    // Keys with a modifier are not the panel's; Escape closes it and keeps the viewed day.
    QTest::keyClick(&panel, Qt::Key_Left, Qt::ControlModifier);
    QCOMPARE(fixture.calendar->dayOffset(), 2);
    QTest::keyClick(&panel, Qt::Key_Escape);
    QVERIFY(!panel.isVisible());
    QCOMPARE(fixture.calendar->dayOffset(), 2);
}

void TestMenuBarView::navigationButtons()
{
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0));
    MenuBarView panel(fixture.panelServices());
    panel.show();
    QCOMPARE(button(panel, "previousDay")->toolTip(), QStringLiteral("Previous day (Left)"));
    QCOMPARE(button(panel, "nextDay")->toolTip(), QStringLiteral("Next day (Right)"));
    QTest::mouseClick(button(panel, "nextDay"), Qt::LeftButton);
    QCOMPARE(fixture.calendar->dayOffset(), 1);
    QCOMPARE(button(panel, "returnToToday")->toolTip(), QStringLiteral("Return to today (Home or T)"));
    QCOMPARE(button(panel, "returnToToday")->text(), QStringLiteral("Aujourd'hui"));
    QTest::mouseClick(button(panel, "returnToToday"), Qt::LeftButton);
    QCOMPARE(fixture.calendar->dayOffset(), 0);
    QTest::mouseClick(button(panel, "previousDay"), Qt::LeftButton);
    QCOMPARE(fixture.calendar->dayOffset(), -1);
}

void TestMenuBarView::themeSwitchRestylesAtOnce()
{
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0));
    MenuBarView panel(fixture.panelServices());
    panel.show();
    const auto corner = [&panel] { return panel.grab().toImage().pixelColor(3, 3).rgb(); };
    QCOMPARE(corner(), PanelStyle::parchment.rgb());
    fixture.calendar->setTheme(AppTheme::sepiaNight);
    QCOMPARE(corner(), PanelStyle::mahogany.rgb());
    QCOMPARE(panel.findChild<QLabel*>(QStringLiteral("fullDate"))->palette().color(QPalette::WindowText),
             PanelStyle::nightInk);
    fixture.calendar->setTheme(AppTheme::light);
    QCOMPARE(corner(), PanelStyle::parchment.rgb());
}

void TestMenuBarView::soundSwitch()
{
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0));
    MenuBarView panel(fixture.panelServices());
    panel.show();
    QToolButton* sound = button(panel, "soundButton");
    QCOMPARE(sound->toolTip(), QStringLiteral("Click or S to toggle • Alt-click or Shift+S to test chime"));
    QVERIFY(fixture.sound->soundEnabled());
    QCOMPARE(sound->property("symbol").toString(), QStringLiteral("speaker.wave.2"));

    QTest::mouseClick(sound, Qt::LeftButton);
    QVERIFY(!fixture.sound->soundEnabled());
    QCOMPARE(fixture.preferences->values().value(QStringLiteral("soundEnabled")).toBool(), false);
    QCOMPARE(sound->property("symbol").toString(), QStringLiteral("speaker.slash"));

    // Alt-click tests the chime, which stays silent while chimes are off.
    fixture.modifiers.setAltHeld(true);
    QTest::mouseClick(sound, Qt::LeftButton);
    QVERIFY(fixture.player->played().isEmpty());
    QCOMPARE(fixture.beep->beeps(), 0);
    QVERIFY(!fixture.sound->soundEnabled());

    fixture.modifiers.setAltHeld(false);
    QTest::mouseClick(sound, Qt::LeftButton);
    QCOMPARE(sound->property("symbol").toString(), QStringLiteral("speaker.wave.2"));
    fixture.modifiers.setAltHeld(true);
    QTest::mouseClick(sound, Qt::LeftButton);
    QCOMPARE(fixture.player->played().size() + fixture.beep->beeps(), 1);
    QVERIFY(fixture.sound->soundEnabled());
}

void TestMenuBarView::copyConfirmsForTwoSeconds()
{
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0));
    MenuBarView panel(fixture.panelServices());
    panel.show();
    fixture.calendar->stepDay(-1);
    QToolButton* copy = button(panel, "copyButton");
    QCOMPARE(copy->property("symbol").toString(), QStringLiteral("doc.on.doc"));

    QTest::mouseClick(copy, Qt::LeftButton);
    // The viewed day, at the present decimal time.
    QCOMPARE(fixture.clipboard.text(), QStringLiteral("🥶 14 Frimaire an CCXXXV · 4:44 décimal"));
    QVERIFY(panel.showCopiedFeedback());
    QCOMPARE(copy->text(), QStringLiteral("Copied!"));
    QCOMPARE(copy->property("symbol").toString(), QStringLiteral("checkmark"));

    // A second copy a second later does not lengthen the first one's confirmation.
    QTest::qWait(1000);
    QTest::mouseClick(copy, Qt::LeftButton);
    QCOMPARE(fixture.clipboard.copies(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(!panel.showCopiedFeedback(), 1500);
    QCOMPARE(copy->property("symbol").toString(), QStringLiteral("doc.on.doc"));
    // Closing the panel does not stop the reset either.
    QTest::mouseClick(copy, Qt::LeftButton);
    panel.hide();
    QTRY_VERIFY_WITH_TIMEOUT(!panel.showCopiedFeedback(), 2500);
}

void TestMenuBarView::staysOnScreen()
{
    // A complementary day: a panel short enough for the small screen of the tests.
    UiFixture fixture(localInstant(2026, 9, 22, 10, 40, 0));
    MenuBarView panel(fixture.panelServices());
    DropDown dropDown(panel, fixture.dropDownServices());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    dropDown.showAt(QPoint(screen.right() - 5, screen.top() + 24));
    QVERIFY2(screen.contains(panel.frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4 in %5x%6")
                                                                    .arg(panel.x())
                                                                    .arg(panel.y())
                                                                    .arg(panel.width())
                                                                    .arg(panel.height())
                                                                    .arg(screen.width())
                                                                    .arg(screen.height())));
    QCOMPARE(panel.y(), screen.top() + 24);
    panel.hide();
    // A second activation right after a click outside closed it does not reopen it.
    dropDown.toggleAt(QPoint(400, 24));
    QVERIFY(!panel.isVisible());
    QTest::qWait(300);
    dropDown.toggleAt(QPoint(400, 24));
    QVERIFY(panel.isVisible());
    // Nor does one at the moment it opened close it: both halves of a double click, told late.
    dropDown.toggleAt(QPoint(400, 24));
    QVERIFY(panel.isVisible());
    QTest::qWait(300);
    dropDown.toggleAt(QPoint(400, 24));
    QVERIFY(!panel.isVisible());
}

QTEST_MAIN(TestMenuBarView)
#include "TestMenuBarView.moc"
