// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/PanelShade.h"
#include "tests/support/FakeSway.h"

#include <QCursor>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

// Where the cover says the pointer is: sway's word, never the X server's stale one.
class TestPanelShade final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportsThePointerSwayShowsIt_data()
    {
        const QByteArray ran = R"([{"success":true}])";
        const QPoint stale(640, 400);
        const QPoint onTheBar(1269, 14);
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QList<QPoint>>("moves");
        QTest::addColumn<std::optional<QPoint>>("located");
        QTest::newRow("sway moves the pointer onto the cover") << ran << QList{onTheBar} << std::optional(onTheBar);
        // The X server's own crossing as the cover maps carries the old place.
        QTest::newRow("X server's crossing, then sway's move")
            << ran << QList{stale, onTheBar} << std::optional(onTheBar);
        // Nothing moves: the X server had it right.
        QTest::newRow("pointer already there") << ran << QList<QPoint>() << std::optional(stale);
        QTest::newRow("sway refuses the command")
            << QByteArray(R"([{"success":false}])") << QList{onTheBar} << std::optional<QPoint>();
        QTest::newRow("sway never answers") << QByteArray() << QList<QPoint>() << std::optional<QPoint>();
    }

    void reportsThePointerSwayShowsIt()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QList<QPoint>, moves);
        QFETCH(std::optional<QPoint>, located);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("sway-ipc.sock"));
        FakeSway sway(path, reply);
        QCursor::setPos(640, 400);
        PanelShade shade(path);
        std::optional<std::optional<QPoint>> result;
        shade.locatePointer([&](std::optional<QPoint> pointer) { result = pointer; });
        QVERIFY(shade.isVisible());
        QTRY_VERIFY(!sway.requests().isEmpty());
        for (const QPoint move : moves) {
            QMouseEvent event(QEvent::MouseMove, shade.mapFromGlobal(QPointF(move)), QPointF(move), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&shade, &event);
        }
        QTRY_VERIFY(result.has_value());
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
        PanelShade shade(path);
        shade.cover();
        shade.hide();
        QTRY_VERIFY(sway.requests().size() >= 3);
        QCOMPARE(sway.requests().last().payload, QByteArray("seat - cursor move 0 0"));
    }
};

QTEST_MAIN(TestPanelShade)
#include "TestPanelShade.moc"
