// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/desktop/DesktopColorScheme.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

// The portal's Settings interface as GNOME's and Plasma's portals answer it, on its own connection.
class FakePortalSettings final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    explicit FakePortalSettings(QObject* parent) : QDBusAbstractAdaptor(parent) {}
    uint scheme = 1;

public Q_SLOTS:
    QDBusVariant Read(const QString& group, const QString& key)
    {
        return QDBusVariant(QVariant::fromValue(QDBusVariant(
            group + u'/' + key == QStringLiteral("org.freedesktop.appearance/color-scheme") ? QVariant(scheme)
                                                                                            : QVariant())));
    }
};

} // namespace

// The desktop's light or dark preference, from the portal and live, or from KDE's own settings.
class TestDesktopColorScheme final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void followsThePortal()
    {
        // On a thread of its own, as another process would answer.
        QThread portalThread;
        portalThread.start();
        QDBusConnection portalBus =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("portal"));
        QObject portal;
        new FakePortalSettings(&portal);
        portal.moveToThread(&portalThread);
        QVERIFY(portalBus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal));
        QVERIFY(portalBus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        const auto stop = qScopeGuard([&] {
            portalBus.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
            portalBus.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
            portal.moveToThread(QThread::currentThread());
            portalThread.quit();
            portalThread.wait();
        });

        QTemporaryDir home;
        DesktopColorScheme scheme(QDBusConnection::sessionBus(), home.filePath(QStringLiteral("kdeglobals")));
        // Asked without waiting: the answer comes as a change.
        QTRY_VERIFY(scheme.prefersDark());
        QSignalSpy changed(&scheme, &ColorScheme::changed);
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
                                                         QStringLiteral("org.freedesktop.portal.Settings"),
                                                         QStringLiteral("SettingChanged"));
        signal << QStringLiteral("org.freedesktop.appearance") << QStringLiteral("color-scheme")
               << QVariant::fromValue(QDBusVariant(uint{2}));
        QVERIFY(portalBus.send(signal));
        QTRY_COMPARE(changed.size(), 1);
        QVERIFY(!scheme.prefersDark());
    }

    void readsKdeWhereNoPortalRuns_data()
    {
        QTest::addColumn<QByteArray>("globals");
        QTest::addColumn<bool>("dark");
        QTest::newRow("Breeze Dark's window colour")
            << QByteArray("[Colors:Window]\nBackgroundNormal=32,35,38\n") << true;
        QTest::newRow("Breeze's window colour")
            << QByteArray("[Colors:Window]\nBackgroundNormal=239,240,241\n") << false;
        QTest::newRow("a dark scheme's name") << QByteArray("[General]\nColorScheme=BreezeDark\n") << true;
    }

    void readsKdeWhereNoPortalRuns()
    {
        QFETCH(QByteArray, globals);
        QFETCH(bool, dark);
        QTemporaryDir home;
        const QString path = home.filePath(QStringLiteral("kdeglobals"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(globals);
        file.close();
        DesktopColorScheme scheme(QDBusConnection::sessionBus(), path);
        QCOMPARE(scheme.prefersDark(), dark);

        // Plasma rewrites the file when the user picks another scheme.
        QSignalSpy changed(&scheme, &ColorScheme::changed);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(dark ? "[General]\nColorScheme=BreezeClassic\n" : "[General]\nColorScheme=BreezeDark\n");
        file.close();
        QTRY_COMPARE(changed.size(), 1);
        QCOMPARE(scheme.prefersDark(), !dark);
    }
};

QTEST_GUILESS_MAIN(TestDesktopColorScheme)
#include "TestDesktopColorScheme.moc"
