// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/files/FileResourceDirectory.h"
#include "app/platform/audio/MultimediaAudioPlayer.h"
#include "app/state/SoundManager.h"
#include "tests/support/FakePreferences.h"
#include "tests/support/FakeSystemBeep.h"
#include "tests/support/StandardOutputCapture.h"
#include "tests/support/ToneFile.h"

#include <QAudioOutput>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeJunk(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray junk(4096, '\0');
    for (int i = 0; i < junk.size(); ++i) {
        junk[i] = static_cast<char>((i * 7919) % 251);
    }
    file.write("RIFF\x10\x00\x00\x00WAVEjunk" + junk);
}

// How many streams play into the test's PulseAudio daemon.
int playingStreams()
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"),
                {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    if (!pactl.waitForFinished(5000) || pactl.exitCode() != 0) {
        return -1;
    }
    return static_cast<int>(pactl.readAllStandardOutput().count('\n'));
}

} // namespace

// Real playback through Qt Multimedia into the PulseAudio null sink that the test's wrapper starts.
class TestMultimediaAudioPlayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void playsAFileForReal();
    void newSoundReplacesThePlayingOne();
    void unplayableFileLeavesThePlayingOneAlone();
    void chimeThatCannotPlaySaysSoOnceAndBeeps_data();
    void chimeThatCannotPlaySaysSoOnceAndBeeps();
    void missingChimeBeeps();

private:
    QTemporaryDir m_folder;
    QString m_tone;
    QString m_otherTone;
    QString m_junk;
    QString m_noSamples;
};

void TestMultimediaAudioPlayer::initTestCase()
{
    m_tone = m_folder.filePath(QStringLiteral("tone.wav"));
    m_otherTone = m_folder.filePath(QStringLiteral("other.wav"));
    m_junk = m_folder.filePath(QStringLiteral("junk.wav"));
    writeTone(m_tone, 440, 3);
    writeTone(m_otherTone, 660, 3);
    writeJunk(m_junk);
    m_noSamples = m_folder.filePath(QStringLiteral("silent.wav"));
    writeTone(m_noSamples, 440, 0);
}

void TestMultimediaAudioPlayer::playsAFileForReal()
{
    MultimediaAudioPlayer player;
    QSignalSpy started(&player, &MultimediaAudioPlayer::started);
    bool failed = false;
    player.play(m_tone, 0.6f, [&failed](const QString&) { failed = true; });
    QTRY_VERIFY(player.isPlaying());
    QCOMPARE(started.count(), 1);
    QCOMPARE(player.currentSource(), QUrl::fromLocalFile(m_tone));
    QVERIFY(!failed);
    // The state is only what was asked for; a position that moves means the sound reaches the sink.
    const auto* media = player.findChild<QMediaPlayer*>();
    QVERIFY(media);
    QTRY_VERIFY(media->position() > 300);
    QCOMPARE(media->audioOutput()->volume(), 0.6f);
    // GStreamer's position moves with any sink; the sound server shows whether it is heard.
    if (qEnvironmentVariableIsSet("QUINTAVAL_TEST_PULSEAUDIO")) {
        QCOMPARE(playingStreams(), 1);
    }
}

void TestMultimediaAudioPlayer::newSoundReplacesThePlayingOne()
{
    MultimediaAudioPlayer player;
    QSignalSpy started(&player, &MultimediaAudioPlayer::started);
    player.play(m_tone, 0.6f, {});
    QTRY_VERIFY(player.isPlaying());

    player.play(m_otherTone, 0.6f, {});
    QTRY_COMPARE(started.count(), 2);
    QCOMPARE(player.currentSource(), QUrl::fromLocalFile(m_otherTone));
    QTRY_VERIFY(player.isPlaying());
    // Only the new one is left: the one before has been stopped and released.
    QTRY_COMPARE(player.findChildren<QMediaPlayer*>().size(), 1);
}

void TestMultimediaAudioPlayer::unplayableFileLeavesThePlayingOneAlone()
{
    MultimediaAudioPlayer player;
    player.play(m_tone, 0.6f, {});
    QTRY_VERIFY(player.isPlaying());

    QStringList failures;
    player.play(m_junk, 0.6f, [&failures](const QString& description) { failures.append(description); });
    QTRY_COMPARE(failures.size(), 1);
    QVERIFY(!failures.front().isEmpty());
    QTest::qWait(100);
    QCOMPARE(failures.size(), 1); // GStreamer repeats itself; we do not
    QCOMPARE(player.currentSource(), QUrl::fromLocalFile(m_tone));
    QVERIFY(player.isPlaying());
}

void TestMultimediaAudioPlayer::chimeThatCannotPlaySaysSoOnceAndBeeps_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("soundServer");
    QTest::addColumn<QByteArray>("reason");

    QTest::newRow("undecodable") << m_junk << true << QByteArray();
    QTest::newRow("header without samples") << m_noSamples << true << QByteArray("holds no sound");
    QTest::newRow("no sound server") << m_tone << false << QByteArray("no sound server");
}

void TestMultimediaAudioPlayer::chimeThatCannotPlaySaysSoOnceAndBeeps()
{
    QFETCH(QString, file);
    QFETCH(bool, soundServer);
    QFETCH(QByteArray, reason);
    // In a process of its own, since Qt looks for the sound server only once per process.
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QTemporaryDir elsewhere;
    if (!soundServer) {
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), elsewhere.path());
        environment.remove(QStringLiteral("PULSE_SERVER"));
        // Nor may the library start one of its own.
        const QString config = elsewhere.filePath(QStringLiteral("client.conf"));
        QFile settings(config);
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("autospawn = no\n");
        settings.close();
        environment.insert(QStringLiteral("PULSE_CLIENTCONFIG"), config);
    }
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--chime"), file});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1); // the number of beeps
    const QByteArray text = child.readAllStandardOutput();
    QVERIFY2(text.startsWith("Failed to play sound: ") && text.endsWith('\n') && text.count('\n') == 1, text);
    QVERIFY(text.size() > qsizetype(sizeof "Failed to play sound: \n"));
    QVERIFY2(text.contains(reason), text);
}

void TestMultimediaAudioPlayer::missingChimeBeeps()
{
    const QTemporaryDir resources;
    auto beep = std::make_shared<FakeSystemBeep>();
    auto player = std::make_shared<MultimediaAudioPlayer>();
    SoundManager sound(
        {std::make_shared<FakePreferences>(), std::make_shared<FileResourceDirectory>(resources.path()), player, beep});
    const StandardOutputCapture output;

    sound.playHourChime();
    QCOMPARE(beep->beeps(), 1);
    QVERIFY(player->findChildren<QMediaPlayer*>().isEmpty());
    QCOMPARE(output.text(), QByteArray());
}

// The child of chimeThatCannotPlaySaysSoOnceAndBeeps: plays `file` as the chime through the real
// player and exits with the number of beeps once the outcome is known.
int chimeOnce(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QTemporaryDir resources;
    QFile::copy(QString::fromLocal8Bit(argv[2]), resources.filePath(QStringLiteral("marseillaise.wav")));
    auto beep = std::make_shared<FakeSystemBeep>();
    auto player = std::make_shared<MultimediaAudioPlayer>();
    SoundManager sound(
        {std::make_shared<FakePreferences>(), std::make_shared<FileResourceDirectory>(resources.path()), player, beep});
    sound.playHourChime();
    // Long enough for a decoder to give up, or for a second report that must not come.
    QTest::qWait(1500);
    return beep->beeps();
}

int main(int argc, char** argv)
{
    if (argc > 2 && qstrcmp(argv[1], "--chime") == 0) {
        return chimeOnce(argc, argv);
    }
    QGuiApplication app(argc, argv);
    TestMultimediaAudioPlayer test;
    return QTest::qExec(&test, argc, argv);
}
#include "TestMultimediaAudioPlayer.moc"
