// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/FileResourceDirectory.h"
#include "app/platform/MultimediaAudioPlayer.h"
#include "app/state/SoundManager.h"
#include "tests/support/FakePreferences.h"
#include "tests/support/FakeSystemBeep.h"
#include "tests/support/StandardOutputCapture.h"

#include <QAudioOutput>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>

namespace {

// A mono 16-bit PCM WAV of a sine tone.
void writeTone(const QString& path, double frequency, double seconds)
{
    constexpr quint32 rate = 22050;
    const auto samples = static_cast<quint32>(rate * seconds);
    QByteArray data;
    for (quint32 i = 0; i < samples; ++i) {
        const auto value = static_cast<qint16>(6000 * std::sin(2 * M_PI * frequency * i / rate));
        data.append(reinterpret_cast<const char*>(&value), 2); // x86: little-endian already
    }
    const auto le32 = [](quint32 v) {
        const quint32 little = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char*>(&little), 4);
    };
    const auto le16 = [](quint16 v) {
        const quint16 little = qToLittleEndian(v);
        return QByteArray(reinterpret_cast<const char*>(&little), 2);
    };
    QByteArray wav = "RIFF" + le32(36 + static_cast<quint32>(data.size())) + "WAVEfmt " + le32(16) + le16(1) + le16(1) +
                     le32(rate) + le32(rate * 2) + le16(2) + le16(16) + "data" +
                     le32(static_cast<quint32>(data.size())) + data;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(wav);
}

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
    void chimeThatCannotPlaySaysSoOnceAndBeeps();
    void missingChimeBeeps();

private:
    QTemporaryDir m_folder;
    QString m_tone;
    QString m_otherTone;
    QString m_junk;
};

void TestMultimediaAudioPlayer::initTestCase()
{
    m_tone = m_folder.filePath(QStringLiteral("tone.wav"));
    m_otherTone = m_folder.filePath(QStringLiteral("other.wav"));
    m_junk = m_folder.filePath(QStringLiteral("junk.wav"));
    writeTone(m_tone, 440, 3);
    writeTone(m_otherTone, 660, 3);
    writeJunk(m_junk);
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

void TestMultimediaAudioPlayer::chimeThatCannotPlaySaysSoOnceAndBeeps()
{
    const QTemporaryDir resources;
    writeJunk(resources.filePath(QStringLiteral("marseillaise.wav")));
    auto beep = std::make_shared<FakeSystemBeep>();
    SoundManager sound({std::make_shared<FakePreferences>(), std::make_shared<FileResourceDirectory>(resources.path()),
                        std::make_shared<MultimediaAudioPlayer>(), beep});
    const StandardOutputCapture output;

    sound.playHourChime();
    QTRY_COMPARE(beep->beeps(), 1);
    QTest::qWait(100);
    QCOMPARE(beep->beeps(), 1);
    const QByteArray text = output.text();
    QVERIFY2(text.startsWith("Failed to play sound: ") && text.endsWith('\n') && text.count('\n') == 1, text);
    QVERIFY(text.size() > qsizetype(sizeof "Failed to play sound: \n"));
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

QTEST_MAIN(TestMultimediaAudioPlayer)
#include "TestMultimediaAudioPlayer.moc"
