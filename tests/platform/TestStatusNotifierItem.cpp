// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/StatusNotifierItem.h"
#include "tests/support/StatusBarHostProcess.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The item as the test status bar sees it over a private session bus.
class TestStatusNotifierItem final : public QObject
{
    Q_OBJECT

private:
    static QList<QImage> solidIcon(QColor colour)
    {
        QList<QImage> images;
        for (const int size : {16, 22, 32, 48}) {
            QImage image(size, size, QImage::Format_ARGB32);
            image.fill(colour);
            images.append(image);
        }
        return images;
    }

    static QString keyOf(const StatusNotifierItem& item)
    {
        return item.serviceName() + QStringLiteral("/StatusNotifierItem");
    }

    static std::unique_ptr<StatusNotifierItem> registeredItem()
    {
        auto item = std::make_unique<StatusNotifierItem>();
        item->waitForRegistration(5000);
        return item;
    }

private Q_SLOTS:
    void hostReadsProperties()
    {
        StatusBarHostProcess host;
        QVERIFY(host.start());
        const auto item = registeredItem();
        QCOMPARE(item->presence(), StatusItem::Presence::statusNotifier);
        QVERIFY(item->unavailableReason().isEmpty());
        QCOMPARE(item->serviceName(),
                 QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid()));

        item->setTitle(QStringLiteral("🥶 15 Frimaire · Quintidi · 4:44"));
        item->setToolTip(QStringLiteral("🥶 15 Frimaire · Quintidi · 4:44"));
        item->setIcon(solidIcon(QColor(200, 40, 90)));

        QTRY_COMPARE(host.item(keyOf(*item)).value(QStringLiteral("toolTipText")).toString(),
                     QStringLiteral("🥶 15 Frimaire · Quintidi · 4:44"));
        QTRY_COMPARE(host.item(keyOf(*item)).value(QStringLiteral("iconSizes")).toStringList(),
                     QStringList({"16x16", "22x22", "32x32", "48x48"}));
        const QVariantMap seen = host.item(keyOf(*item));
        QCOMPARE(seen.value("label").toString(), QStringLiteral("🥶 15 Frimaire · Quintidi · 4:44"));
        QCOMPARE(seen.value("labelGuide").toString(), QStringLiteral("🥶 88 Frimaire · Quintidi · 8:88"));
        QCOMPARE(seen.value("toolTipTitle").toString(), QStringLiteral("Quintaval"));
        QCOMPARE(seen.value("id").toString(), QStringLiteral("quintaval"));
        QCOMPARE(seen.value("title").toString(), QStringLiteral("Quintaval"));
        QCOMPARE(seen.value("category").toString(), QStringLiteral("ApplicationStatus"));
        QCOMPARE(seen.value("status").toString(), QStringLiteral("Active"));
        QCOMPARE(seen.value("itemIsMenu").toBool(), false);
    }

    // The pixels travel in network byte order: a host that decodes them as the protocol says
    // must draw the colour we set, and the label must take room on the bar.
    void hostDrawsIconAndLabel()
    {
        StatusBarHostProcess host;
        QVERIFY(host.start());
        const auto item = registeredItem();
        const QColor colour(200, 40, 90);
        item->setIcon(solidIcon(colour));
        item->setTitle(QStringLiteral("🥶 4:44"));
        QTRY_COMPARE(host.item(keyOf(*item)).value("iconSizes").toStringList().size(), 4);
        QTRY_COMPARE(host.item(keyOf(*item)).value("label").toString(), QStringLiteral("🥶 4:44"));
        const int shortWidth = host.item(keyOf(*item)).value("width").toInt();

        QTemporaryDir folder;
        const QString path = folder.filePath("bar.png");
        QVERIFY(host.screenshot(path));
        const QImage bar(path);
        QVERIFY(!bar.isNull());
        const QVariantMap seen = host.item(keyOf(*item));
        const int left = seen.value("left").toInt();
        const int height = seen.value("height").toInt();
        QCOMPARE(bar.pixelColor(left + 6 + 11, height / 2), colour);
        bool labelInked = false;
        const QColor background = bar.pixelColor(0, 0);
        for (int x = left + 6 + 22 + 4; x < left + shortWidth && !labelInked; ++x) {
            for (int y = 0; y < height && !labelInked; ++y) {
                labelInked = bar.pixelColor(x, y) != background;
            }
        }
        QVERIFY(labelInked);

        item->setTitle(QStringLiteral("🥶 15 Frimaire · Quintidi · 4:44"));
        QTRY_VERIFY(host.item(keyOf(*item)).value("width").toInt() > shortWidth);
    }

    // The title is set on every tick; only a real change may reach the bus.
    void signalsOnlyWhenAValueChanges()
    {
        StatusBarHostProcess host;
        QVERIFY(host.start());
        const auto item = registeredItem();
        item->setTitle(QStringLiteral("🥶 4:44"));
        item->setToolTip(QStringLiteral("🥶 4:44"));
        item->setIcon(solidIcon(Qt::red));
        QTRY_COMPARE(host.item(keyOf(*item)).value("labelSignals").toInt(), 1);
        QTRY_COMPARE(host.item(keyOf(*item)).value("toolTipSignals").toInt(), 1);
        QTRY_COMPARE(host.item(keyOf(*item)).value("iconSignals").toInt(), 1);

        for (int tick = 0; tick < 5; ++tick) {
            item->setTitle(QStringLiteral("🥶 4:44"));
            item->setToolTip(QStringLiteral("🥶 4:44"));
            item->setIcon(solidIcon(Qt::red));
        }
        // Signals from one sender arrive in order: once this one is seen, any repeat would be too.
        item->setTitle(QStringLiteral("🥶 4:45"));
        QTRY_COMPARE(host.item(keyOf(*item)).value("label").toString(), QStringLiteral("🥶 4:45"));
        const QVariantMap seen = host.item(keyOf(*item));
        QCOMPARE(seen.value("labelSignals").toInt(), 2);
        QCOMPARE(seen.value("toolTipSignals").toInt(), 1);
        QCOMPARE(seen.value("iconSignals").toInt(), 1);
    }

    void clicksReachActivated_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("left: Activate") << "left";
        QTest::newRow("right: ContextMenu") << "right";
        QTest::newRow("middle: SecondaryActivate") << "middle";
    }

    void clicksReachActivated()
    {
        QFETCH(QString, button);
        StatusBarHostProcess host;
        QVERIFY(host.start());
        const auto item = registeredItem();
        item->setTitle(QStringLiteral("🥶 15 Frim."));
        QTRY_COMPARE(host.item(keyOf(*item)).value("label").toString(), QStringLiteral("🥶 15 Frim."));
        QSignalSpy activated(item.get(), &StatusItem::activated);

        QVERIFY(host.click(keyOf(*item), button));
        QVERIFY(activated.wait());
        // Within the item, just under the bar.
        const QVariantMap seen = host.item(keyOf(*item));
        const QPoint point = activated.constFirst().constFirst().toPoint();
        const int left = seen.value("left").toInt();
        QVERIFY(point.x() >= left && point.x() < left + seen.value("width").toInt());
        QCOMPARE(point.y(), seen.value("top").toInt() + seen.value("height").toInt());
    }

    void registersWhenAWatcherAppearsLater()
    {
        auto item = std::make_unique<StatusNotifierItem>();
        QCOMPARE(item->presence(), StatusItem::Presence::none);
        QVERIFY(item->unavailableReason().contains("no StatusNotifierWatcher"));
        item->setTitle(QStringLiteral("🥶 15 Frim."));
        QSignalSpy presence(item.get(), &StatusItem::presenceChanged);

        StatusBarHostProcess host;
        QVERIFY(host.start());
        QTRY_COMPARE(item->presence(), StatusItem::Presence::statusNotifier);
        QCOMPARE(presence.size(), 1);
        QTRY_COMPARE(host.item(keyOf(*item)).value("label").toString(), QStringLiteral("🥶 15 Frim."));

        // A status bar that crashes and comes back gets the item again.
        host.kill();
        QTRY_COMPARE(item->presence(), StatusItem::Presence::none);
        StatusBarHostProcess restarted;
        QVERIFY(restarted.start());
        QTRY_COMPARE(item->presence(), StatusItem::Presence::statusNotifier);
        QTRY_COMPARE(restarted.item(keyOf(*item)).value("label").toString(), QStringLiteral("🥶 15 Frim."));
        QCOMPARE(presence.size(), 3);
    }

    // A watcher alone shows nothing; the item counts as shown once a host registers with it.
    void waitsForAHost()
    {
        StatusBarHostProcess watcherOnly({QStringLiteral("--watcher-only")});
        QVERIFY(watcherOnly.start());
        const auto item = registeredItem();
        QCOMPARE(item->presence(), StatusItem::Presence::none);
        QVERIFY(item->unavailableReason().contains("no status bar"));

        QDBusMessage call =
            QDBusMessage::createMethodCall("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
                                           "org.kde.StatusNotifierWatcher", "RegisterStatusNotifierHost");
        call << QStringLiteral("org.kde.StatusNotifierHost-test");
        QDBusConnection::sessionBus().asyncCall(call);
        QTRY_COMPARE(item->presence(), StatusItem::Presence::statusNotifier);
    }

    void itemLeavingIsDropped()
    {
        StatusBarHostProcess host;
        QVERIFY(host.start());
        auto item = registeredItem();
        const QString key = keyOf(*item);
        QTRY_COMPARE(host.items(), QStringList{key});
        item.reset();
        QTRY_COMPARE(host.items(), QStringList());
    }
};

QTEST_MAIN(TestStatusNotifierItem)
#include "TestStatusNotifierItem.moc"
