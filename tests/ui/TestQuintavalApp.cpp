// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/PanelPlacement.h"
#include "app/ui/QuintavalApp.h"
#include "tests/support/FakeStatusItem.h"
#include "tests/ui/UiFixture.h"

#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

// The program's windows on a real X server: where the panel goes, what the windows are called and
// which icon they carry, and the status item's menu.
class TestQuintavalApp final : public QObject
{
    Q_OBJECT

private:
    struct App
    {
        UiFixture fixture{localInstant(2026, 12, 7, 10, 40, 0)};
        FakeStatusItem item;
        QuintavalApp app{{*fixture.calendar, *fixture.sound, *fixture.notifications, item, fixture.loginItem,
                          *fixture.clock, *fixture.resources, fixture.clipboard, fixture.modifiers, fixture.workArea,
                          fixture.inputFocus, fixture.pointer}};
    };

    static QString xprop(const QWidget& window, const QString& property)
    {
        QProcess process;
        process.start(QStringLiteral("xprop"), {"-id", QString::number(window.winId()), property});
        process.waitForFinished();
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }

    static QAction* entry(const App& app, const QString& text)
    {
        for (QAction* action : app.app.menuActions()) {
            if (action->text() == text) {
                return action;
            }
        }
        return nullptr;
    }

private Q_SLOTS:
    // On a 1920x1080 screen, for a 320x600 panel.
    void panelHangsFromTheItemsEdge_data()
    {
        QTest::addColumn<QPoint>("hint");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<bool>("pointerReliable");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("panel");
        const QRect screen(0, 0, 1920, 1080);
        QTest::newRow("MATE top panel sends (0, 25)")
            << QPoint(0, 25) << QPoint(1800, 12) << true << QRect(0, 28, 1920, 1052) << QRect(1600, 28, 320, 600);
        QTest::newRow("MATE bottom panel sends (0, 25)")
            << QPoint(0, 25) << QPoint(900, 1070) << true << QRect(0, 0, 1920, 1052) << QRect(740, 452, 320, 600);
        QTest::newRow("Plasma bottom panel: never over it") << QPoint(1700, 1060) << QPoint(1700, 1060) << true
                                                            << QRect(0, 0, 1920, 1036) << QRect(1540, 436, 320, 600);
        QTest::newRow("left-hand bar") << QPoint(10, 500) << QPoint(10, 500) << true << QRect(40, 0, 1880, 1080)
                                       << QRect(40, 480, 320, 600);
        QTest::newRow("XWayland, GNOME: global hint, stale pointer")
            << QPoint(1750, 15) << QPoint(400, 600) << false << QRect(0, 32, 1920, 1048) << QRect(1590, 32, 320, 600);
        QTest::newRow("XWayland, waybar: bar-relative hint, nothing reserved")
            << QPoint(9, 17) << QPoint(700, 500) << false << screen << QRect(0, 32, 320, 600);
        QTest::newRow("X11, pointer away from the bars: the host's point")
            << QPoint(1700, 28) << QPoint(960, 540) << true << QRect(0, 28, 1920, 1052) << QRect(1540, 28, 320, 600);
        QTest::newRow("XWayland, hint far from any edge: the pointer")
            << QPoint(900, 500) << QPoint(1200, 10) << false << QRect(0, 30, 1920, 1050) << QRect(1040, 30, 320, 600);
    }

    void panelHangsFromTheItemsEdge()
    {
        QFETCH(QPoint, hint);
        QFETCH(QPoint, pointer);
        QFETCH(bool, pointerReliable);
        QFETCH(QRect, available);
        QFETCH(QRect, panel);
        const QSize size(320, 600);
        const QPoint anchor =
            PanelPlacement::anchor(hint, pointer, pointerReliable, QRect(0, 0, 1920, 1080), available);
        QCOMPARE(QRect(PanelPlacement::topLeft(anchor, size, available), size), panel);
    }

    void windowsCarryTheProgramsIconAndTitle()
    {
        App app;
        app.app.openSettings();
        QWidget* settings = app.app.settings();
        QVERIFY(QTest::qWaitForWindowExposed(settings));
        QTRY_COMPARE(xprop(*settings, "_NET_WM_NAME"),
                     QStringLiteral("_NET_WM_NAME(UTF8_STRING) = \"Quintaval Settings\""));
        QVERIFY2(xprop(*settings, "_NET_WM_ICON").contains("Icon (16 x 16)"), "no window icon");

        app.item.click(QPoint(400, 0));
        QVERIFY(QTest::qWaitForWindowExposed(&app.app.panel()));
        QVERIFY2(xprop(app.app.panel(), "_NET_WM_ICON").contains("Icon (16 x 16)"), "no window icon");
    }

    // Opened upwards from a bottom bar, the panel keeps its bottom edge on the bar's top when its
    // height changes while open (the first showing settles a pixel late; days differ in content).
    void panelOpenedUpwardsKeepsItsBottomEdge()
    {
        App app;
        MenuBarView& panel = app.app.panel();
        app.app.dropDown().showAt(QPoint(640, 760));
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCOMPARE(panel.frameGeometry().bottom(), 759);
        const int height = panel.height();
        app.fixture.calendar->stepDay(-77);
        QTRY_VERIFY(panel.height() != height);
        QTRY_COMPARE(panel.frameGeometry().bottom(), 759);
    }

    void statusItemMenuDrivesTheProgram()
    {
        App app;
        // Until the user asks for a window the program builds none; the date is copied without one.
        entry(app, "Copy Date")->trigger();
        QCOMPARE(app.fixture.clipboard.text(), app.fixture.calendar->shareableText());
        QVERIFY(QApplication::topLevelWidgets().isEmpty());

        QStringList texts;
        for (const QAction* action : app.item.menu()) {
            texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        QCOMPARE(texts, (QStringList{"Open Quintaval", "Copy Date", "-", "Settings…", "-", "Quit Quintaval"}));

        entry(app, "Open Quintaval")->trigger();
        QVERIFY(app.app.panel().isVisible());
        app.fixture.clipboard.setText({});
        entry(app, "Copy Date")->trigger();
        QCOMPARE(app.fixture.clipboard.text(), app.fixture.calendar->shareableText());
        entry(app, "Settings…")->trigger();
        QVERIFY(app.app.settings() && app.app.settings()->isVisible());
        QSignalSpy quit(&app.app, &QuintavalApp::quitRequested);
        entry(app, "Quit Quintaval")->trigger();
        QCOMPARE(quit.size(), 1);
    }
};

QTEST_MAIN(TestQuintavalApp)
#include "TestQuintavalApp.moc"
