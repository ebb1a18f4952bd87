// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/statusitem/dbusmenu/DBusMenuTypes.h"
#include "app/platform/statusitem/StatusNotifierItem.h"
#include "app/platform/statusitem/StatusNotifierItemLabel.h"
#include "tests/support/StatusBarHostProcess.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusReply>
#include <QDBusVariant>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Keeps the signals a connection receives.
class SignalRecorder final : public QObject
{
    Q_OBJECT

public:
    QList<QDBusMessage> messages;

public Q_SLOTS:
    void record(const QDBusMessage& message) { messages.append(message); }
};

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
        item->start();
        item->waitForRegistration(5000);
        return item;
    }

    // A call as a status bar makes it, from a connection of its own.
    static QDBusMessage hostCall(const QString& service, const QString& path, const QString& interface,
                                 const QString& method, const QVariantList& arguments,
                                 QDBus::CallMode mode = QDBus::BlockWithGui)
    {
        QDBusConnection host = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("host"));
        QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
        call.setArguments(arguments);
        // The menu answers from this very thread, so the wait must keep the event loop turning.
        return host.call(call, mode, 5000);
    }

    // The item's properties are read on the bus's own thread: the wait leaves this one still.
    static QVariant itemProperty(const StatusNotifierItem& item, const QString& name)
    {
        const QDBusMessage reply =
            hostCall(item.serviceName(), "/StatusNotifierItem", "org.freedesktop.DBus.Properties", "Get",
                     {"org.kde.StatusNotifierItem", name}, QDBus::Block);
        return reply.arguments().value(0).value<QDBusVariant>().variant();
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
        item->setToolTip(QStringLiteral("🥶 15 Frimaire · Quintidi · 4:44"), QStringLiteral("4:44 décimal"));
        item->setIcon(solidIcon(QColor(200, 40, 90)));
        QCOMPARE(itemProperty(*item, "XAyatanaLabel").toString(), QStringLiteral("15 Frimaire · Quintidi · 4:44"));

        QTRY_COMPARE(host.item(keyOf(*item)).value(QStringLiteral("toolTipText")).toString(),
                     QStringLiteral("4:44 décimal"));
        QTRY_COMPARE(host.item(keyOf(*item)).value(QStringLiteral("iconSizes")).toStringList(),
                     QStringList({"16x16", "22x22", "32x32", "48x48"}));
        const QVariantMap seen = host.item(keyOf(*item));
        // This bar draws the icon beside the label: the emoji once, in the icon.
        QCOMPARE(seen.value("label").toString(), QStringLiteral("15 Frimaire · Quintidi · 4:44"));
        QCOMPARE(seen.value("labelGuide").toString(), QStringLiteral("88 Frimaire · Quintidi · 8:88"));
        QCOMPARE(seen.value("toolTipTitle").toString(), QStringLiteral("🥶 15 Frimaire · Quintidi · 4:44"));
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
        QTRY_COMPARE(host.item(keyOf(*item)).value("label").toString(), QStringLiteral("4:44"));
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
        item->setToolTip(QStringLiteral("🥶 4:44"), {});
        item->setIcon(solidIcon(Qt::red));
        QTRY_COMPARE(host.item(keyOf(*item)).value("labelSignals").toInt(), 1);
        QTRY_COMPARE(host.item(keyOf(*item)).value("toolTipSignals").toInt(), 1);
        QTRY_COMPARE(host.item(keyOf(*item)).value("iconSignals").toInt(), 1);

        for (int tick = 0; tick < 5; ++tick) {
            item->setTitle(QStringLiteral("🥶 4:44"));
            item->setToolTip(QStringLiteral("🥶 4:44"), {});
            item->setIcon(solidIcon(Qt::red));
        }
        // Signals from one sender arrive in order: once this one is seen, any repeat would be too.
        item->setTitle(QStringLiteral("🥶 4:45"));
        QTRY_COMPARE(host.item(keyOf(*item)).value("label").toString(), QStringLiteral("4:45"));
        const QVariantMap seen = host.item(keyOf(*item));
        QCOMPARE(seen.value("labelSignals").toInt(), 2);
        QCOMPARE(seen.value("toolTipSignals").toInt(), 1);
        QCOMPARE(seen.value("iconSignals").toInt(), 1);
    }

    void clicksReachActivated_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("left: Activate") << "left";
        QTest::newRow("middle: SecondaryActivate") << "middle";
    }

    void clicksReachActivated()
    {
        QFETCH(QString, button);
        StatusBarHostProcess host;
        QVERIFY(host.start());
        const auto item = registeredItem();
        item->setTitle(QStringLiteral("🥶 15 Frim."));
        QTRY_COMPARE(host.item(keyOf(*item)).value("label").toString(), QStringLiteral("15 Frim."));
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
        item->start();
        QCOMPARE(item->presence(), StatusItem::Presence::none);
        QVERIFY(item->unavailableReason().contains("no StatusNotifierWatcher"));
        item->setTitle(QStringLiteral("🥶 15 Frim."));
        QSignalSpy presence(item.get(), &StatusItem::presenceChanged);

        StatusBarHostProcess host;
        QVERIFY(host.start());
        QTRY_COMPARE(item->presence(), StatusItem::Presence::statusNotifier);
        QCOMPARE(presence.size(), 1);
        QTRY_COMPARE(host.item(keyOf(*item)).value("label").toString(), QStringLiteral("15 Frim."));

        // A status bar that crashes and comes back gets the item again.
        host.kill();
        QTRY_COMPARE(item->presence(), StatusItem::Presence::none);
        StatusBarHostProcess restarted;
        QVERIFY(restarted.start());
        QTRY_COMPARE(item->presence(), StatusItem::Presence::statusNotifier);
        QTRY_COMPARE(restarted.item(keyOf(*item)).value("label").toString(), QStringLiteral("15 Frim."));
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

    // Hosts that draw icon and label get the emoji in the icon only; MATE, which drops the icon
    // once there is a label, gets it in the label.
    void labelShowsTheEmojiOnce_data()
    {
        QTest::addColumn<QString>("watcher");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("label");
        const QString title = QStringLiteral("🥶 15 Frimaire · Quintidi · 4:44");
        const QString bare = QStringLiteral("15 Frimaire · Quintidi · 4:44");
        QTest::newRow("GNOME Shell") << "gnome-shell"
                                     << "GNOME" << title << bare;
        QTest::newRow("our test bar on MATE") << "quintaval-statusbar-host"
                                              << "MATE" << title << bare;
        QTest::newRow("mate-panel") << "mate-panel"
                                    << "MATE" << title << title;
        QTest::newRow("MATE's applet, out of process") << "notification-area-applet"
                                                       << "" << title << title;
        QTest::newRow("unknown watcher on MATE") << ""
                                                 << "MATE" << title << title;
        QTest::newRow("unknown watcher elsewhere") << ""
                                                   << "ubuntu:GNOME" << title << bare;
        QTest::newRow("emoji of two code points") << "kded5"
                                                  << "KDE" << QStringLiteral("❄️ 4:44") << "4:44";
        QTest::newRow("no leading symbol") << "waybar"
                                           << "sway" << QStringLiteral("15 Frimaire") << "15 Frimaire";
        QTest::newRow("symbol alone") << "waybar"
                                      << "sway" << QStringLiteral("🥶") << QStringLiteral("🥶");
    }

    void labelShowsTheEmojiOnce()
    {
        QFETCH(QString, watcher);
        QFETCH(QString, desktop);
        QFETCH(QString, title);
        QFETCH(QString, label);
        const bool alone = StatusNotifierItemLabel::hostDrawsLabelAlone(watcher, desktop);
        QCOMPARE(StatusNotifierItemLabel::labelFor(title, alone), label);
    }

    // GNOME's extension drops an item whose Menu leads nowhere; Plasma draws the menu itself.
    void menuIsServedWithTheItem()
    {
        StatusBarHostProcess host;
        QVERIFY(host.start());
        const auto item = registeredItem();
        QAction open(QStringLiteral("Open &Quintaval"));
        QAction separator;
        separator.setSeparator(true);
        QAction settings(QStringLiteral("Settings…"));
        settings.setEnabled(false);
        item->setMenu({&open, &separator, &settings});
        QSignalSpy opened(&open, &QAction::triggered);

        const QString path = itemProperty(*item, "Menu").value<QDBusObjectPath>().path();
        QCOMPARE(path, QStringLiteral("/MenuBar"));
        const QDBusMessage reply =
            hostCall(item->serviceName(), path, "com.canonical.dbusmenu", "GetLayout", {0, -1, QStringList()});
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        DBusMenuLayoutItem root;
        reply.arguments().at(1).value<QDBusArgument>() >> root;
        QCOMPARE(root.properties.value("children-display").toString(), QStringLiteral("submenu"));
        QCOMPARE(root.children.size(), 3);
        QCOMPARE(root.children.at(0).properties.value("label").toString(), QStringLiteral("Open _Quintaval"));
        QCOMPARE(root.children.at(1).properties.value("type").toString(), QStringLiteral("separator"));
        QCOMPARE(root.children.at(2).properties.value("enabled"), QVariant(false));

        QCOMPARE(hostCall(item->serviceName(), path, "com.canonical.dbusmenu", "Event",
                          {root.children.at(0).id, "clicked", QVariant::fromValue(QDBusVariant(0)), 0u})
                     .type(),
                 QDBusMessage::ReplyMessage);
        QTRY_COMPARE(opened.size(), 1);
        // A disabled entry stays inert, whatever the host sends.
        hostCall(item->serviceName(), path, "com.canonical.dbusmenu", "Event",
                 {root.children.at(2).id, "clicked", QVariant::fromValue(QDBusVariant(0)), 0u});
        const QDBusMessage unknown = hostCall(item->serviceName(), path, "com.canonical.dbusmenu", "Event",
                                              {99, "clicked", QVariant::fromValue(QDBusVariant(0)), 0u});
        QCOMPARE(unknown.errorName(), QStringLiteral("com.canonical.dbusmenu.UnknownId"));
    }

    // No call a status bar makes may come back as UnknownMethod: hosts take that for a broken item.
    void hostCallsAreAnswered_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("interface");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QVariantList>("arguments");
        const QString sni = QStringLiteral("org.kde.StatusNotifierItem");
        const QString menu = QStringLiteral("com.canonical.dbusmenu");
        const QString item = QStringLiteral("/StatusNotifierItem");
        const QString bar = QStringLiteral("/MenuBar");
        QTest::newRow("Activate") << item << sni << "Activate" << QVariantList{10, 10};
        QTest::newRow("SecondaryActivate") << item << sni << "SecondaryActivate" << QVariantList{10, 10};
        QTest::newRow("XAyatanaSecondaryActivate") << item << sni << "XAyatanaSecondaryActivate" << QVariantList{1u};
        QTest::newRow("ContextMenu") << item << sni << "ContextMenu" << QVariantList{10, 10};
        QTest::newRow("Scroll") << item << sni << "Scroll" << QVariantList{1, "vertical"};
        QTest::newRow("ProvideXdgActivationToken")
            << item << sni << "ProvideXdgActivationToken" << QVariantList{"token-1"};
        QTest::newRow("GetGroupProperties") << bar << menu << "GetGroupProperties"
                                            << QVariantList{QVariant::fromValue(QList<int>{0, 1}), QStringList()};
        QTest::newRow("GetProperty") << bar << menu << "GetProperty" << QVariantList{1, "label"};
        QTest::newRow("AboutToShow") << bar << menu << "AboutToShow" << QVariantList{0};
        QTest::newRow("AboutToShowGroup")
            << bar << menu << "AboutToShowGroup" << QVariantList{QVariant::fromValue(QList<int>{0, 1})};
        DBusMenuEventList events{{1, "hovered", QDBusVariant(0), 0}};
        QTest::newRow("EventGroup") << bar << menu << "EventGroup" << QVariantList{QVariant::fromValue(events)};
        QTest::newRow("menu properties") << bar << "org.freedesktop.DBus.Properties"
                                         << "GetAll" << QVariantList{menu};
    }

    void hostCallsAreAnswered()
    {
        QFETCH(QString, path);
        QFETCH(QString, interface);
        QFETCH(QString, method);
        QFETCH(QVariantList, arguments);
        DBusMenuTypes::registerTypes();
        StatusNotifierItem item;
        QAction entry(QStringLiteral("Copy Date"));
        item.setMenu({&entry});
        const QDBusMessage reply = hostCall(item.serviceName(), path, interface, method, arguments);
        QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
        if (method == QStringLiteral("ProvideXdgActivationToken")) {
            // Passed on to the main thread, ahead of the click that follows it.
            QTRY_COMPARE(qgetenv("XDG_ACTIVATION_TOKEN"), QByteArray("token-1"));
        }
        if (method == QStringLiteral("GetAll")) {
            QCOMPARE(qdbus_cast<QVariantMap>(reply.arguments().constFirst()).value("Version").toUInt(), 3u);
        }
    }

    // A status bar that turns the item away must not leave it believing it shows; a new watcher
    // gets it again.
    void droppedItemIsNoticed()
    {
        auto host = std::make_unique<StatusBarHostProcess>();
        QVERIFY(host->start());
        const auto item = registeredItem();
        QCOMPARE(item->presence(), StatusItem::Presence::statusNotifier);
        QSignalSpy presence(item.get(), &StatusItem::presenceChanged);
        QVERIFY(host->drop(keyOf(*item)));
        QTRY_COMPARE(item->presence(), StatusItem::Presence::none);
        QVERIFY(item->isRejected());
        QVERIFY2(item->unavailableReason().contains("dropped"), qPrintable(item->unavailableReason()));
        QCOMPARE(presence.size(), 1);

        host.reset();
        StatusBarHostProcess restarted;
        QVERIFY(restarted.start());
        QTRY_COMPARE(item->presence(), StatusItem::Presence::statusNotifier);
        QVERIFY(!item->isRejected());
    }

    // GNOME's extension may forget the Id and the Menu it has just read: a moment after the
    // host's first look, the item says them again, once.
    void identityIsStatedAgainAfterRegistering()
    {
        StatusBarHostProcess host;
        QVERIFY(host.start());
        auto item = std::make_unique<StatusNotifierItem>();
        QDBusConnection observer =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("observer"));
        SignalRecorder changes;
        QVERIFY(observer.connect(item->serviceName(), "/StatusNotifierItem", "org.freedesktop.DBus.Properties",
                                 "PropertiesChanged", &changes, SLOT(record(QDBusMessage))));
        item->start();
        QTRY_COMPARE(changes.messages.size(), 1);
        const QList<QVariant> arguments = changes.messages.constFirst().arguments();
        QCOMPARE(arguments.value(0).toString(), QStringLiteral("org.kde.StatusNotifierItem"));
        const QVariantMap values = qdbus_cast<QVariantMap>(arguments.value(1));
        QCOMPARE(values.value("Id").toString(), QStringLiteral("quintaval"));
        QCOMPARE(values.value("Menu").value<QDBusObjectPath>(), itemProperty(*item, "Menu").value<QDBusObjectPath>());
        // A host that reads the item again on every change gets no endless echo.
        QCOMPARE(itemProperty(*item, "Id").toString(), QStringLiteral("quintaval"));
        QTest::qWait(600);
        QCOMPARE(changes.messages.size(), 1);
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
