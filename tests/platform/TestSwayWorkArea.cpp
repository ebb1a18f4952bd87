// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/desktop/SwayWorkArea.h"

#include "app/platform/desktop/SwayIpc.h"
#include "tests/support/FakeSway.h"

#include <QTemporaryDir>
#include <QTest>

class TestSwayWorkArea final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Two outputs; waybar takes 30 px off the top of the left one.
    void visibleWorkspaceOfTheScreen_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<std::optional<QRect>>("area");
        const QByteArray twoOutputs =
            R"([{"name":"1","visible":true,"rect":{"x":0,"y":30,"width":1920,"height":1050}},
                {"name":"2","visible":false,"rect":{"x":0,"y":0,"width":1920,"height":1080}},
                {"name":"3","visible":true,"rect":{"x":1920,"y":0,"width":1280,"height":1024}}])";
        QTest::newRow("left screen") << QRect(0, 0, 1920, 1080) << twoOutputs
                                     << std::optional<QRect>(QRect(0, 30, 1920, 1050));
        QTest::newRow("right screen") << QRect(1920, 0, 1280, 1024) << twoOutputs
                                      << std::optional<QRect>(QRect(1920, 0, 1280, 1024));
        QTest::newRow("no workspace there") << QRect(4000, 0, 800, 600) << twoOutputs << std::optional<QRect>();
        QTest::newRow("not JSON") << QRect(0, 0, 1920, 1080) << QByteArray("oops") << std::optional<QRect>();
        QTest::newRow("never answers") << QRect(0, 0, 1920, 1080) << QByteArray() << std::optional<QRect>();
    }

    void visibleWorkspaceOfTheScreen()
    {
        QFETCH(QRect, screen);
        QFETCH(QByteArray, reply);
        QFETCH(std::optional<QRect>, area);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("sway-ipc.sock"));
        FakeSway sway(path, reply);
        QCOMPARE(SwayWorkArea::query(path, screen), area);
        QCOMPARE(sway.requests().value(0).type, 1u);
    }

    // sway answers a command line with one result per command.
    void commandSucceedsOnlyWhenSwayRanAllOfIt_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("succeeded");
        QTest::newRow("ran") << QByteArray(R"([{"success":true}])") << true;
        QTest::newRow("ran both") << QByteArray(R"([{"success":true},{"success":true}])") << true;
        QTest::newRow("second refused") << QByteArray(
                                               R"([{"success":true},{"success":false,"error":"Unknown command"}])")
                                        << false;
        QTest::newRow("parse error") << QByteArray(R"([{"success":false,"parse_error":true}])") << false;
        QTest::newRow("no results") << QByteArray("[]") << false;
        QTest::newRow("not JSON") << QByteArray("oops") << false;
        QTest::newRow("never answers") << QByteArray() << false;
    }

    void commandSucceedsOnlyWhenSwayRanAllOfIt()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, succeeded);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("sway-ipc.sock"));
        FakeSway sway(path, reply);
        const QString command = QStringLiteral("seat - cursor move 1 0, seat - cursor move -1 0");
        QCOMPARE(SwayIpc::runCommand(path, command), succeeded);
        QCOMPARE(sway.requests().value(0).type, 0u);
        QCOMPARE(sway.requests().value(0).payload, command.toUtf8());
    }

    void noSwayNoArea()
    {
        QCOMPARE(SwayWorkArea::query(QString(), QRect(0, 0, 800, 600)), std::optional<QRect>());
        QCOMPARE(SwayWorkArea::query(QStringLiteral("/nonexistent/sway.sock"), QRect(0, 0, 800, 600)),
                 std::optional<QRect>());
    }
};

QTEST_GUILESS_MAIN(TestSwayWorkArea)
#include "TestSwayWorkArea.moc"
