// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/audio/LazyAudioPlayer.h"

#include "tests/support/ToneFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool mapped(const QByteArray& library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

qint64 residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toLongLong();
        }
    }
    return -1;
}

} // namespace

// The program's player, which brings in Qt Multimedia and GStreamer with the first sound.
class TestLazyAudioPlayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void backEndLoadsWithTheFirstSound();
    void missingModuleIsAPlaybackFailure();
};

void TestLazyAudioPlayer::backEndLoadsWithTheFirstSound()
{
    const QTemporaryDir folder;
    const QString tone = folder.filePath(QStringLiteral("tone.wav"));
    writeTone(tone, 440, 1);
    LazyAudioPlayer player(QStringLiteral(QUINTAVAL_AUDIO_MODULE));
    QVERIFY(!mapped("libQt6Multimedia"));
    QVERIFY(!mapped("libgstreamer-1.0"));
    QVERIFY(!player.loadedPlayer());

    const qint64 residentBefore = residentKilobytes();
    QStringList failures;
    const auto failed = [&failures](const QString& description) { failures.append(description); };
    QElapsedTimer clock;
    clock.start();
    player.play(tone, 0.6f, failed);
    QObject* backEnd = player.loadedPlayer();
    QVERIFY(backEnd);
    QSignalSpy started(backEnd, SIGNAL(started()));
    QTRY_COMPARE_WITH_TIMEOUT(started.count(), 1, 20000);
    const qint64 firstUse = clock.elapsed();
    QVERIFY(mapped("libQt6Multimedia"));
    QVERIFY(mapped("libgstreamer-1.0"));

    clock.restart();
    player.play(tone, 0.6f, failed);
    QTRY_COMPARE_WITH_TIMEOUT(started.count(), 2, 20000);
    const qint64 loadedUse = clock.elapsed();

    // Got ready ahead of its time, the chime starts within the call that asks for it.
    QSignalSpy prepared(backEnd, SIGNAL(prepared()));
    player.prepare(tone, 0.6f);
    QTRY_COMPARE_WITH_TIMEOUT(prepared.count(), 1, 20000);
    clock.restart();
    player.play(tone, 0.6f, failed);
    QCOMPARE(started.count(), 3);
    const qint64 preparedUse = clock.elapsed();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    qInfo("from play to sound: first %lld ms, later %lld ms, prepared %lld ms; resident memory %lld kB before the "
          "first sound, %lld kB after",
          firstUse, loadedUse, preparedUse, residentBefore, residentKilobytes());
}

void TestLazyAudioPlayer::missingModuleIsAPlaybackFailure()
{
    const QTemporaryDir folder;
    LazyAudioPlayer player(folder.filePath(QStringLiteral("quintaval-audio.so")));
    player.prepare(folder.filePath(QStringLiteral("tone.wav")), 0.6f);
    QStringList failures;
    player.play(folder.filePath(QStringLiteral("tone.wav")), 0.6f,
                [&failures](const QString& description) { failures.append(description); });
    QCOMPARE(failures.size(), 1);
    QVERIFY2(failures.front().startsWith(QLatin1String("cannot load the audio module: ")),
             qPrintable(failures.front()));
    QVERIFY(!player.loadedPlayer());
}

QTEST_GUILESS_MAIN(TestLazyAudioPlayer)
#include "TestLazyAudioPlayer.moc"
