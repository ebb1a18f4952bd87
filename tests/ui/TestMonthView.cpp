// SPDX-License-Identifier: GPL-3.0-or-later
// The month in the panel: its rows in a common and a leap year's complementary days, and the
// keyboard through it; the line that goes to a typed date.

#include "app/ui/GoToDateField.h"
#include "app/ui/MenuBarView.h"
#include "app/ui/MonthView.h"
#include "tests/ui/UiFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace {

int shownCells(const MonthView& month)
{
    int count = 0;
    for (int index = 0; index < 30; ++index) {
        count += month.cell(index)->isVisibleTo(&month) ? 1 : 0;
    }
    return count;
}

// The key, sent where the panel's focus is, as the keyboard would.
void press(QWidget& panel, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = panel.focusWidget() ? panel.focusWidget() : &panel;
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

} // namespace

class TestMonthView final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
    void keyboardMovesTheDayViewed();
    void clickShowsTheDay();
    void goToDate();
};

void TestMonthView::layout_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("cells");
    QTest::addColumn<QString>("title");
    QTest::newRow("a month of three décades") << 2026 << 11 << 10 << 30 << "Brumaire an CCXXXV";
    QTest::newRow("complementary days, common year") << 2026 << 9 << 20 << 5 << "Sansculottides an CCXXXIV";
    QTest::newRow("complementary days, leap year") << 2027 << 9 << 20 << 6 << "Sansculottides an CCXXXV";
}

void TestMonthView::layout()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, cells);
    QFETCH(QString, title);
    UiFixture fixture(localInstant(year, month, day, 12));
    MenuBarView panel(fixture.panelServices());
    panel.show();
    QApplication::setActiveWindow(&panel);
    panel.showMonth(true);
    auto* view = panel.findChild<MonthView*>();
    QVERIFY(view && view->isVisible());
    QCOMPARE(shownCells(*view), cells);
    QCOMPARE(panel.findChild<QLabel*>(QStringLiteral("monthTitle"))->text(), title);
    // Today is the day viewed: its cell has the keyboard and says both to a screen reader.
    const QToolButton* viewed = view->cell(static_cast<int>(fixture.calendar->currentDate().day) - 1);
    QVERIFY(viewed->hasFocus());
    QVERIFY2(viewed->accessibleName().endsWith(QLatin1String(", today, shown")), qPrintable(viewed->accessibleName()));
    // Every cell and header lies inside the panel and is wide enough for its text.
    for (int index = 0; index < cells; ++index) {
        const QToolButton* cell = view->cell(index);
        const QRect onPanel(cell->mapTo(&panel, QPoint(0, 0)), cell->size());
        QVERIFY2(panel.rect().contains(onPanel), qPrintable(cell->text()));
        QVERIFY(cell->fontMetrics().horizontalAdvance(cell->text()) < cell->width() - 4);
        QVERIFY(!cell->toolTip().isEmpty());
    }
    for (const QLabel* header : panel.findChildren<QLabel*>(QStringLiteral("decadeDayHeader"))) {
        QVERIFY(header->fontMetrics().horizontalAdvance(header->text()) <= header->width());
    }
}

void TestMonthView::keyboardMovesTheDayViewed()
{
    UiFixture fixture(localInstant(2026, 11, 10, 12)); // 18 Brumaire an CCXXXV
    MenuBarView panel(fixture.panelServices());
    panel.show();
    QApplication::setActiveWindow(&panel);
    const std::int64_t today = fixture.calendar->todayDayNumber();
    press(panel, Qt::Key_M);
    QVERIFY(panel.monthShown());
    press(panel, Qt::Key_Right);
    QCOMPARE(fixture.calendar->viewedDayNumber(), today + 1);
    press(panel, Qt::Key_Down);
    QCOMPARE(fixture.calendar->viewedDayNumber(), today + 11);
    press(panel, Qt::Key_Up);
    press(panel, Qt::Key_Left);
    QCOMPARE(fixture.calendar->viewedDayNumber(), today);
    press(panel, Qt::Key_PageDown);
    QCOMPARE(fixture.calendar->currentDate(), (RevolutionaryDate{235, 3, 18, 8}));
    press(panel, Qt::Key_PageUp);
    press(panel, Qt::Key_PageUp);
    QCOMPARE(fixture.calendar->currentDate(), (RevolutionaryDate{235, 1, 18, 8}));
    // Back across the year: the complementary days have no 18th, so the last of them.
    press(panel, Qt::Key_PageUp);
    QCOMPARE(fixture.calendar->currentDate(), (RevolutionaryDate{234, 13, 5, 5}));
    press(panel, Qt::Key_Escape);
    QVERIFY(!panel.monthShown());
    QCOMPARE(fixture.calendar->currentDate(), (RevolutionaryDate{234, 13, 5, 5}));
}

void TestMonthView::clickShowsTheDay()
{
    UiFixture fixture(localInstant(2026, 11, 10, 12));
    MenuBarView panel(fixture.panelServices());
    panel.show();
    // The header's month name opens the month.
    QTest::mouseClick(panel.findChild<QLabel*>(QStringLiteral("monthName")), Qt::LeftButton);
    QVERIFY(panel.monthShown());
    QTest::mouseClick(panel.findChild<MonthView*>()->cell(2), Qt::LeftButton);
    QVERIFY(!panel.monthShown());
    QCOMPARE(fixture.calendar->currentDate(), (RevolutionaryDate{235, 2, 3, 3}));
}

void TestMonthView::goToDate()
{
    UiFixture fixture(localInstant(2026, 11, 10, 12));
    MenuBarView panel(fixture.panelServices());
    panel.show();
    QApplication::setActiveWindow(&panel);
    press(panel, Qt::Key_G);
    auto* field = panel.findChild<GoToDateField*>();
    QVERIFY(field->isVisible());
    QTest::keyClicks(field->line(), QStringLiteral("31 Brumaire an VIII"));
    QTest::keyClick(field->line(), Qt::Key_Return);
    QVERIFY2(field->message().contains(QLatin1String("there is no 31 Brumaire")), qPrintable(field->message()));
    QVERIFY(fixture.calendar->isViewingToday());
    QVERIFY(field->isVisible());
    field->line()->clear();
    QTest::keyClicks(field->line(), QStringLiteral("18 brumaire an 8"));
    QTest::keyClick(field->line(), Qt::Key_Return);
    QVERIFY(field->isHidden());
    QCOMPARE(fixture.calendar->currentDate(), (RevolutionaryDate{8, 2, 18, 8}));
}

QTEST_MAIN(TestMonthView)
#include "TestMonthView.moc"
