// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/statusitem/SystemStatusItem.h"
#include "tests/support/StandardOutputCapture.h"
#include "tests/support/StatusBarHostProcess.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWindow>

#include <memory>

// The XEmbed fallback on a real X server, with trayer as the system tray and no
// StatusNotifierWatcher on the bus.
class TestSystemTrayFallback final : public QObject
{
    Q_OBJECT

private:
    QProcess m_tray;

    static QList<QImage> icon()
    {
        QList<QImage> images;
        for (const int size : {16, 22, 32, 48}) {
            QImage image(size, size, QImage::Format_ARGB32);
            image.fill(QColor(200, 40, 90));
            images.append(image);
        }
        return images;
    }

    // The tray icon is a small window of ours that the tray embeds.
    static QWindow* trayWindow()
    {
        // Not among the top-level windows once the tray has taken it in.
        for (QWindow* window : QGuiApplication::allWindows()) {
            if (window->isVisible() && window->width() <= 64 && window->height() <= 64) {
                return window;
            }
        }
        return nullptr;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        const QString trayer = QStandardPaths::findExecutable(QStringLiteral("trayer"));
        QVERIFY2(!trayer.isEmpty(), "trayer is missing: run scripts/install-deps");
        m_tray.start(trayer, {"--edge", "top", "--align", "right", "--widthtype", "pixel", "--width", "200", "--height",
                              "28", "--SetDockType", "true"});
        QVERIFY(m_tray.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
    }

    void cleanupTestCase()
    {
        m_tray.kill();
        m_tray.waitForFinished();
    }

    void showsInTheTrayAndTakesClicks()
    {
        auto standardError = std::make_unique<StandardOutputCapture>(STDERR_FILENO);
        SystemStatusItem item;
        item.start();
        QCOMPARE(item.presence(), StatusItem::Presence::systemTray);
        item.setIcon(icon());
        item.setToolTip(QStringLiteral("🥶 15 Frimaire · Quintidi · 4:44"), QStringLiteral("4:44 décimal"));
        QVERIFY(!QString::fromUtf8(standardError->text()).contains("quintaval: "));
        standardError.reset();

        // Docked: inside the tray's strip at the top right of the screen.
        QTRY_VERIFY(trayWindow() && trayWindow()->mapToGlobal(QPoint(0, 0)).y() < 28);
        QSignalSpy activated(&item, &StatusItem::activated);
        QPointer<QWindow> window = trayWindow();
        const QRect icon(window->mapToGlobal(QPoint(0, 0)), window->size());
        // The pointer goes there first, as it does for a real click.
        QCursor::setPos(icon.center());
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, QPoint(window->width() / 2, window->height() / 2));
        QTRY_COMPARE(activated.size(), 1);
        // Under the icon, or at the click point on it.
        const QPoint point = activated.constFirst().constFirst().toPoint();
        QVERIFY2(point.x() >= icon.left() && point.x() <= icon.right() && point.y() >= icon.top() &&
                     point.y() <= icon.bottom() + 1,
                 qPrintable(QStringLiteral("%1,%2 for the icon at %3,%4 %5x%6")
                                .arg(point.x())
                                .arg(point.y())
                                .arg(icon.left())
                                .arg(icon.top())
                                .arg(icon.width())
                                .arg(icon.height())));
        // Still there once the program has looked again for a status bar to move to.
        QTest::qWait(5500);
        QVERIFY(trayWindow());
    }

    // A status bar that shows labels wins over the tray as soon as it starts.
    void movesToAStatusBarThatStartsLater()
    {
        SystemStatusItem item;
        item.start();
        item.setIcon(icon());
        QCOMPARE(item.presence(), StatusItem::Presence::systemTray);
        QTRY_VERIFY(trayWindow());

        StatusBarHostProcess host;
        QVERIFY(host.start());
        QTRY_COMPARE(item.presence(), StatusItem::Presence::statusNotifier);
        QTRY_VERIFY(!trayWindow());
        QTRY_COMPARE(host.items().size(), 1);
    }
};

QTEST_MAIN(TestSystemTrayFallback)
#include "TestSystemTrayFallback.moc"
