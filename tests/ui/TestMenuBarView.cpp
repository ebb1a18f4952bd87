// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/ElidedLabel.h"
#include "app/ui/EngravingView.h"
#include "app/ui/MenuBarView.h"
#include "app/ui/PanelStyle.h"
#include "app/ui/PanelText.h"
#include "tests/ui/UiFixture.h"

#include <QLabel>
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

} // namespace

class TestMenuBarView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void headerAndSectionsOfAnOrdinaryDay();
    void complementaryDayHasNoItemSection();
    void eventsShowTheirYearOnlyWhenTheyHaveOne();
    void missingEngravingShowsTheEmoji();
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
    panel.showAt(QPoint(400, 0));
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
    QCOMPARE(button(panel, "previousDay")->toolTip(), QStringLiteral("Previous day"));
    QCOMPARE(button(panel, "nextDay")->toolTip(), QStringLiteral("Next day"));
    QTest::mouseClick(button(panel, "nextDay"), Qt::LeftButton);
    QCOMPARE(fixture.calendar->dayOffset(), 1);
    QCOMPARE(button(panel, "returnToToday")->toolTip(), QStringLiteral("Return to today"));
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
    QCOMPARE(sound->toolTip(), QStringLiteral("Click to toggle • Option-click to test chime"));
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
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    panel.showAt(QPoint(screen.right() - 5, screen.top() + 24));
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
    panel.toggleAt(QPoint(400, 24));
    QVERIFY(!panel.isVisible());
    QTest::qWait(300);
    panel.toggleAt(QPoint(400, 24));
    QVERIFY(panel.isVisible());
    panel.toggleAt(QPoint(400, 24));
    QVERIFY(!panel.isVisible());
}

QTEST_MAIN(TestMenuBarView)
#include "TestMenuBarView.moc"
