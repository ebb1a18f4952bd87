// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/desktop/SwayPointerLocator.h"
#include "app/ui/PanelShade.h"
#include "tests/support/FakeSway.h"

#include <QCursor>
#include <QTemporaryDir>
#include <QTest>

// Where the cover says the pointer is: sway's word, never the X server's stale one.
class TestPanelShade final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // sway's answer is seen as the X server's pointer moving.
    void reportsThePointerSwayShowsIt_data()
    {
        const QByteArray ran = R"([{"success":true}])";
        const QPoint elsewhere(100, 500);
        const QPoint onTheBar(1269, 14);
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QPoint>("before");
        QTest::addColumn<std::optional<QPoint>>("shown");
        QTest::addColumn<std::optional<QPoint>>("located");
        QTest::newRow("sway shows the cover the pointer")
            << ran << elsewhere << std::optional(onTheBar) << std::optional(onTheBar);
        // The X server last saw the pointer where it is now: sway's answer moves nothing unless the
        // cover put it elsewhere first.
        QTest::newRow("pointer still where it was last seen")
            << ran << onTheBar << std::optional(onTheBar) << std::optional(onTheBar);
        QTest::newRow("sway never shows the cover the pointer")
            << ran << elsewhere << std::optional<QPoint>() << std::optional<QPoint>();
        QTest::newRow("sway refuses the command")
            << QByteArray(R"([{"success":false}])") << elsewhere << std::optional(onTheBar) << std::optional<QPoint>();
        QTest::newRow("sway never answers")
            << QByteArray() << elsewhere << std::optional<QPoint>() << std::optional<QPoint>();
    }

    void reportsThePointerSwayShowsIt()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QPoint, before);
        QFETCH(std::optional<QPoint>, shown);
        QFETCH(std::optional<QPoint>, located);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("sway-ipc.sock"));
        FakeSway sway(path, reply);
        QCursor::setPos(before);
        SwayPointerLocator locator(path);
        PanelShade shade(locator);
        std::optional<std::optional<QPoint>> result;
        shade.locatePointer([&](std::optional<QPoint> pointer) { result = pointer; });
        QVERIFY(shade.isVisible());
        QTRY_VERIFY(!sway.requests().isEmpty());
        if (shown) {
            QCursor::setPos(*shown);
        }
        QTRY_VERIFY_WITH_TIMEOUT(result.has_value(), 3000);
        QCOMPARE(*result, located);
        QCOMPARE(sway.requests().first().payload, QByteArray("seat - cursor move 0 0"));
    }

    // Shown no more, the cover still asks sway to show the pointer to what lies under it, the bar
    // most often: it would not take the next click otherwise.
    void givesThePointerBackOnceGone()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("sway-ipc.sock"));
        FakeSway sway(path, R"([{"success":true}])");
        SwayPointerLocator locator(path);
        PanelShade shade(locator);
        shade.cover();
        shade.hide();
        QTRY_VERIFY(sway.requests().size() >= 3);
        QCOMPARE(sway.requests().last().payload, QByteArray("seat - cursor move 0 0"));
    }
};

QTEST_MAIN(TestPanelShade)
#include "TestPanelShade.moc"
