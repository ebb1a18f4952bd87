// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/DropDown.h"
#include "app/ui/MenuBarView.h"
#include "app/ui/PanelAccessible.h"
#include "app/ui/PanelStyle.h"
#include "app/ui/PanelText.h"
#include "app/ui/SettingsView.h"
#include "tests/ui/PanelInspection.h"
#include "tests/ui/UiFixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include <cmath>

namespace {

// The names a reader gives the panel's controls, in the order Tab visits them.
QStringList tabOrder(QWidget& panel)
{
    QStringList names;
    QWidget* start = QApplication::focusWidget();
    QWidget* current = start;
    do {
        names << current->objectName() + QLatin1Char('=') + current->accessibleName();
        QTest::keyClick(current, Qt::Key_Tab);
        current = QApplication::focusWidget();
    } while (current && current != start && names.size() < 20 && panel.isAncestorOf(current));
    return names;
}

QToolButton* button(const QWidget& panel, const char* objectName)
{
    return panel.findChild<QToolButton*>(QLatin1String(objectName));
}

// The application font at `points` while alive.
struct ScopedFontSize
{
    explicit ScopedFontSize(qreal points) : saved(QApplication::font())
    {
        QFont font = saved;
        font.setPointSizeF(points);
        QApplication::setFont(font);
    }
    ~ScopedFontSize() { QApplication::setFont(saved); }
    QFont saved;
};

} // namespace

class TestPanelAccess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void textsAndIconsReadOnTheirBackground_data();
    void textsAndIconsReadOnTheirBackground();
    void everyControlIsNamedAndReachedInOrder();
    void panelKeys();
    void panelFitsTheWorkArea();
    void nothingIsCutAtLargerFonts_data();
    void nothingIsCutAtLargerFonts();
    void settingsCloseFromTheKeyboard();
};

void TestPanelAccess::initTestCase()
{
    PanelAccessible::install();
}

void TestPanelAccess::textsAndIconsReadOnTheirBackground_data()
{
    QTest::addColumn<QColor>("ink");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<double>("least");
    using Level = PanelStyle::Level;
    for (const AppTheme theme : {AppTheme::light, AppTheme::sepiaNight}) {
        const PanelStyle style(theme);
        const QByteArray name = style.isNight() ? "night " : "day ";
        const QColor back = style.background();
        // Texts: 4.5:1 (none of the panel's is large enough for less); symbols: 3:1.
        QTest::newRow(name + "primary") << style.foreground() << back << 4.5;
        QTest::newRow(name + "secondary") << style.foreground(Level::secondary) << back << 4.5;
        QTest::newRow(name + "tertiary") << style.foreground(Level::tertiary) << back << 4.5;
        QTest::newRow(name + "quaternary") << style.foreground(Level::quaternary) << back << 4.5;
        QTest::newRow(name + "guillotine count") << style.systemRed() << back << 4.5;
        QTest::newRow(name + "Copied!") << style.systemGreen() << back << 4.5;
        QTest::newRow(name + "chimes on (symbol)") << style.systemBlue() << back << 3.0;
        QTest::newRow(name + "chimes off, copy (symbols)") << style.secondaryLabel() << back << 3.0;
    }
}

void TestPanelAccess::textsAndIconsReadOnTheirBackground()
{
    QFETCH(QColor, ink);
    QFETCH(QColor, background);
    QFETCH(double, least);
    const double ratio = contrast(ink, background);
    qInfo("%s %.2f", QTest::currentDataTag(), ratio);
    QVERIFY2(ratio >= least, qPrintable(QStringLiteral("%1:1").arg(ratio, 0, 'f', 2)));
}

void TestPanelAccess::everyControlIsNamedAndReachedInOrder()
{
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0));
    MenuBarView panel(fixture.panelServices());
    DropDown dropDown(panel, fixture.dropDownServices());
    fixture.calendar->stepDay(1);
    dropDown.showAt(QPoint(400, 0));
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.activateWindow();
    QTRY_VERIFY(panel.isActiveWindow());

    // The panel is a named window to a reader, and opens on the day shown.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&panel);
    QCOMPARE(window->role(), QAccessible::Window);
    QVERIFY(!window->text(QAccessible::Name).isEmpty());
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    QCOMPARE(focused->objectName(), QStringLiteral("headerSection"));
    QCOMPARE(QAccessible::queryAccessibleInterface(focused)->text(QAccessible::Name),
             QStringLiteral("16 Frimaire an CCXXXV, Sextidi, ") +
                 PanelText::gregorianDate(fixture.calendar->viewedGregorianDate()));

    QCOMPARE(tabOrder(panel), QStringList({
                                  QStringLiteral("headerSection=16 Frimaire an CCXXXV, Sextidi, ") +
                                      PanelText::gregorianDate(fixture.calendar->viewedGregorianDate()),
                                  QStringLiteral("soundButton=Hourly chimes"),
                                  QStringLiteral("copyButton=Copy date"),
                                  QStringLiteral("preferencesButton=Preferences"),
                                  QStringLiteral("quitButton=Quit Quintaval"),
                                  QStringLiteral("previousDay=Previous day"),
                                  QStringLiteral("returnToToday=Return to today"),
                                  QStringLiteral("nextDay=Next day"),
                              }));

    // The switch says whether it is on; the pictures that only decorate are left out.
    QAccessibleInterface* sound = QAccessible::queryAccessibleInterface(button(panel, "soundButton"));
    QVERIFY(sound->state().checkable);
    QCOMPARE(bool(sound->state().checked), fixture.sound->soundEnabled());
    for (const char* decorative : {"monthEmoji", "decadeBullet", "guillotinePicture"}) {
        auto* widget = panel.findChild<QWidget*>(QLatin1String(decorative));
        QVERIFY2(QAccessible::queryAccessibleInterface(widget)->state().invisible, decorative);
    }
    QAccessibleInterface* engraving =
        QAccessible::queryAccessibleInterface(panel.findChild<QWidget*>(QStringLiteral("engraving")));
    QCOMPARE(engraving->role(), QAccessible::Graphic);
    QCOMPARE(engraving->text(QAccessible::Name), QStringLiteral("Engraving: Ajonc"));
}

void TestPanelAccess::panelKeys()
{
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0));
    MenuBarView panel(fixture.panelServices());
    DropDown dropDown(panel, fixture.dropDownServices());
    QSignalSpy settings(&panel, &MenuBarView::settingsRequested);
    QSignalSpy quit(&panel, &MenuBarView::quitRequested);
    dropDown.showAt(QPoint(400, 0));
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.activateWindow();
    QTRY_VERIFY(panel.isActiveWindow());

    // On a focused button the arrows still step through days, Home comes back.
    auto* next = button(panel, "nextDay");
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Right);
    QCOMPARE(fixture.calendar->dayOffset(), 1);
    QCOMPARE(next->accessibleDescription(), QStringLiteral("16 Frimaire an CCXXXV, Sextidi, ") +
                                                PanelText::gregorianDate(fixture.calendar->viewedGregorianDate()));
    QTest::keyClick(next, Qt::Key_Return);
    QCOMPARE(fixture.calendar->dayOffset(), 2);
    QTest::keyClick(next, Qt::Key_Home);
    QCOMPARE(fixture.calendar->dayOffset(), 0);

    const bool chimes = fixture.sound->soundEnabled();
    QTest::keyClick(next, Qt::Key_S);
    QCOMPARE(fixture.sound->soundEnabled(), !chimes);
    QCOMPARE(button(panel, "soundButton")->isChecked(), !chimes);
    // Shift+S tests the chime as Alt-click does: silent while chimes are off, and no switch.
    for (const bool on : {!chimes, chimes}) {
        if (on != fixture.sound->soundEnabled()) {
            QTest::keyClick(next, Qt::Key_S);
        }
        const qsizetype before = fixture.player->played().size() + fixture.beep->beeps();
        QTest::keyClick(next, Qt::Key_S, Qt::ShiftModifier);
        QCOMPARE(fixture.sound->soundEnabled(), on);
        QCOMPARE(fixture.player->played().size() + fixture.beep->beeps(), before + (on ? 1 : 0));
    }
    QTest::keyClick(next, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(fixture.clipboard.text(), fixture.calendar->shareableText());
    QTest::keyClick(next, Qt::Key_Comma, Qt::ControlModifier);
    QCOMPARE(settings.count(), 1);
    QTest::keyClick(next, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(quit.count(), 1);
    QTest::keyClick(next, Qt::Key_Escape);
    QVERIFY(!panel.isVisible());
}

void TestPanelAccess::panelFitsTheWorkArea()
{
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0));
    MenuBarView panel(fixture.panelServices());
    DropDown dropDown(panel, fixture.dropDownServices());
    connect(&dropDown, &DropDown::roomChanged, &panel, [&panel](QSize room) { panel.setHeightLimit(room.height()); });
    const QRect available = QApplication::primaryScreen()->availableGeometry();
    dropDown.showAt(QPoint(available.right() - 200, available.top()));
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    settle();
    QVERIFY2(available.contains(panel.frameGeometry()), qPrintable(QStringLiteral("%1x%2 at %3,%4 in %5x%6")
                                                                       .arg(panel.width())
                                                                       .arg(panel.height())
                                                                       .arg(panel.x())
                                                                       .arg(panel.y())
                                                                       .arg(available.width())
                                                                       .arg(available.height())));
    // The controls stay in sight whatever scrolls.
    auto* quit = button(panel, "quitButton");
    QVERIFY(panel.rect().contains(QRect(quit->mapTo(&panel, QPoint()), quit->size())));

    // A screen with little room: the middle scrolls, the date and the controls stay.
    panel.setHeightLimit(400);
    settle();
    QVERIFY(panel.height() <= 400);
    QVERIFY(panel.scrolls());
    // Its bar shows, at the top, a page the height of what shows.
    const auto* bar = panel.findChild<QScrollBar*>(QStringLiteral("panelScrollBar"));
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->pageStep(), bar->height());
    QVERIFY(panel.rect().contains(QRect(quit->mapTo(&panel, QPoint()), quit->size())));
}

void TestPanelAccess::nothingIsCutAtLargerFonts_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qreal>("points");
    for (const char* locale : {"en_US", "fr_FR"}) {
        for (const qreal points : {13.0, 16.0}) {
            QTest::addRow("%s %g pt", locale, points) << QString::fromLatin1(locale) << points;
        }
    }
}

void TestPanelAccess::nothingIsCutAtLargerFonts()
{
    QFETCH(QString, locale);
    QFETCH(qreal, points);
    QLocale::setDefault(QLocale(locale));
    QTranslator french;
    if (locale.startsWith(QLatin1String("fr"))) {
        QVERIFY(french.load(QStringLiteral(QUINTAVAL_BUILD_RESOURCES "/translations/quintaval_fr.qm")));
        QCoreApplication::installTranslator(&french);
    }
    const ScopedFontSize font(points);
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0));
    MenuBarView panel(fixture.panelServices());
    panel.show();
    settle();
    QVERIFY2(cutTexts(panel).isEmpty(), qPrintable(cutTexts(panel).join(QLatin1Char('\n'))));
    QVERIFY(panel.width() > MenuBarView::panelWidth);

    fixture.notifications->setEnabled(true);
    SettingsView settings(fixture.settingsServices());
    settings.present();
    settle();
    QVERIFY2(cutTexts(settings).isEmpty(), qPrintable(cutTexts(settings).join(QLatin1Char('\n'))));
    for (const QAbstractButton* choice : settings.findChildren<QAbstractButton*>()) {
        QVERIFY2(choice->width() >= choice->sizeHint().width(), qPrintable(choice->text()));
    }
    QCoreApplication::removeTranslator(&french);
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
}

void TestPanelAccess::settingsCloseFromTheKeyboard()
{
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0));
    SettingsView settings(fixture.settingsServices());
    for (const QKeyCombination keys : {QKeyCombination(Qt::Key_Escape), Qt::ControlModifier | Qt::Key_W}) {
        settings.present();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));
        QTest::keyClick(settings.findChild<QWidget*>(QStringLiteral("launchAtLogin")), keys.key(),
                        keys.keyboardModifiers());
        QVERIFY(!settings.isVisible());
    }
    auto* time = settings.findChild<QWidget*>(QStringLiteral("reminderTime"));
    QCOMPARE(QAccessible::queryAccessibleInterface(time)->text(QAccessible::Name), QStringLiteral("Reminder time"));
}

QTEST_MAIN(TestPanelAccess)
#include "TestPanelAccess.moc"
