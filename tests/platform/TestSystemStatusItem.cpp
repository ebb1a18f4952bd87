// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/statusitem/SystemStatusItem.h"
#include "tests/support/StandardOutputCapture.h"
#include "tests/support/StatusBarHostProcess.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

// Which way the item is shown, on a private session bus and a display without a system tray.
class TestSystemStatusItem final : public QObject
{
    Q_OBJECT

private:
    // Only our own lines: the status bar started here writes to the same standard error.
    static QStringList ourLines(const QString& text)
    {
        return text.split(u'\n').filter(QRegularExpression(QStringLiteral("^quintaval: ")));
    }

private Q_SLOTS:
    void usesTheStatusBarWhenOneRuns()
    {
        StatusBarHostProcess host;
        QVERIFY(host.start());
        const StandardOutputCapture standardError(STDERR_FILENO);
        SystemStatusItem item;
        item.start();
        QCOMPARE(item.presence(), StatusItem::Presence::statusNotifier);
        QCOMPARE(ourLines(QString::fromUtf8(standardError.text())), QStringList());

        item.setTitle(QStringLiteral("🥶 15 Frimaire · Quintidi · 4:44"));
        QTRY_COMPARE(host.items().size(), 1);
        QTRY_COMPARE(host.item(host.items().constFirst()).value("label").toString(),
                     QStringLiteral("15 Frimaire · Quintidi · 4:44"));
        QSignalSpy activated(&item, &StatusItem::activated);
        QVERIFY(host.click(host.items().constFirst()));
        QVERIFY(activated.wait());
    }

    void saysOnceWhyNothingShows()
    {
        const StandardOutputCapture standardError(STDERR_FILENO);
        SystemStatusItem item;
        item.start();
        QCOMPARE(item.presence(), StatusItem::Presence::none);
        // Ticks keep setting the title; the explanation is not repeated.
        for (int tick = 0; tick < 3; ++tick) {
            item.setTitle(QStringLiteral("🥶 4:44"));
        }
        const QStringList lines = ourLines(QString::fromUtf8(standardError.text()));
        QCOMPARE(lines.size(), 1);
        const QString& line = lines.constFirst();
        QVERIFY2(line.contains("no StatusNotifierWatcher") && line.contains("no system tray") &&
                     line.contains("start quintaval again"),
                 qPrintable(line));

        // A status bar that starts later takes the item over.
        QSignalSpy presence(&item, &StatusItem::presenceChanged);
        StatusBarHostProcess host;
        QVERIFY(host.start());
        QTRY_COMPARE(item.presence(), StatusItem::Presence::statusNotifier);
        QCOMPARE(presence.size(), 1);
        QTRY_COMPARE(host.items().size(), 1);
        QTRY_COMPARE(host.item(host.items().constFirst()).value("label").toString(), QStringLiteral("4:44"));
        QCOMPARE(ourLines(QString::fromUtf8(standardError.text())).size(), 1);
    }

    // A bar that restarts within the grace finds the item as it was: nothing falls back, nothing is
    // said. One that stays away longer is reported once, and the item falls back then.
    void waitsForARestartingStatusBar_data()
    {
        QTest::addColumn<bool>("comesBack");
        QTest::newRow("bar restarts") << true;
        QTest::newRow("bar stays away") << false;
    }

    void waitsForARestartingStatusBar()
    {
        QFETCH(bool, comesBack);
        constexpr std::chrono::milliseconds grace{2000};
        auto host = std::make_unique<StatusBarHostProcess>();
        QVERIFY(host->start());
        SystemStatusItem item(QDBusConnection::sessionBus(), grace);
        item.start();
        item.setTitle(QStringLiteral("🥶 4:44"));
        QTRY_COMPARE(host->items().size(), 1);
        const StandardOutputCapture standardError(STDERR_FILENO);
        QSignalSpy presence(&item, &StatusItem::presenceChanged);
        QElapsedTimer sinceGone;
        host->kill();
        sinceGone.start();
        if (comesBack) {
            host = std::make_unique<StatusBarHostProcess>();
            QVERIFY(host->start());
            QTRY_COMPARE_WITH_TIMEOUT(host->items().size(), 1, 1000);
            QCOMPARE(host->item(host->items().constFirst()).value("label").toString(), QStringLiteral("4:44"));
            QTest::qWait(static_cast<int>(grace.count()));
            QCOMPARE(presence.size(), 0);
            QCOMPARE(ourLines(QString::fromUtf8(standardError.text())), QStringList());
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(item.presence(), StatusItem::Presence::none, 3 * grace.count());
            QVERIFY(sinceGone.elapsed() >= grace.count());
            QCOMPARE(presence.size(), 1);
            QCOMPARE(ourLines(QString::fromUtf8(standardError.text())).size(), 1);
        }
    }

    // GNOME's extension drops items it cannot draw a second after accepting them: the program
    // must not go on as if it were shown.
    void saysSoWhenTheStatusBarDropsTheItem()
    {
        StatusBarHostProcess host;
        QVERIFY(host.start());
        SystemStatusItem item;
        item.start();
        QCOMPARE(item.presence(), StatusItem::Presence::statusNotifier);
        QTRY_COMPARE(host.items().size(), 1);
        const StandardOutputCapture standardError(STDERR_FILENO);
        QVERIFY(host.drop(host.items().constFirst()));
        QTRY_COMPARE(item.presence(), StatusItem::Presence::none);
        const QStringList lines = ourLines(QString::fromUtf8(standardError.text()));
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.constFirst().contains("dropped") && lines.constFirst().contains("window"),
                 qPrintable(lines.constFirst()));
    }
};

QTEST_MAIN(TestSystemStatusItem)
#include "TestSystemStatusItem.moc"
