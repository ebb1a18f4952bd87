// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/state/StateHarness.h"

#include "tests/support/StandardOutputCapture.h"

#include <QSignalSpy>
#include <QTest>

class TestSoundManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void launchSettlesTheChoice_data();
    void launchSettlesTheChoice();
    void everyAssignmentIsPublishedAndStored();
    void switchedOffIsSilent();
    void chimeFileIsTheFirstFormatFound_data();
    void chimeFileIsTheFirstFormatFound();
    void unplayableChimeSaysSoAndBeeps();
    void sharedInstanceUsesTheServicesHandedIn();
};

void TestSoundManager::launchSettlesTheChoice_data()
{
    QTest::addColumn<QVariant>("soundEnabled");
    QTest::addColumn<QVariant>("hasLaunchedBefore");
    QTest::addColumn<bool>("expected");
    QTest::addColumn<bool>("firstLaunch");

    QTest::newRow("first launch") << QVariant() << QVariant() << true << true;
    QTest::newRow("switched off before") << QVariant(false) << QVariant(true) << false << false;
    QTest::newRow("on, as text") << QVariant(QStringLiteral("true")) << QVariant(QStringLiteral("true")) << true
                                 << false;
    QTest::newRow("off but never launched") << QVariant(false) << QVariant() << true << true;
    QTest::newRow("wrong type reads as off") << QVariant(QStringLiteral("abc")) << QVariant(true) << false << false;
    QTest::newRow("wrong type beside no choice reads as first launch")
        << QVariant() << QVariant(QStringLiteral("yes please")) << true << true;
    // An unreadable flag is no answer: the choice stored beside it stands.
    QTest::newRow("wrong type beside a choice keeps it")
        << QVariant(false) << QVariant(QStringLiteral("yes please")) << false << false;
}

void TestSoundManager::launchSettlesTheChoice()
{
    QFETCH(QVariant, soundEnabled);
    QFETCH(QVariant, hasLaunchedBefore);
    QFETCH(bool, expected);
    QFETCH(bool, firstLaunch);
    StateHarness harness;
    if (soundEnabled.isValid()) {
        harness.preferences->store(PreferenceKeys::soundEnabled, soundEnabled);
    }
    if (hasLaunchedBefore.isValid()) {
        harness.preferences->store(PreferenceKeys::hasLaunchedBefore, hasLaunchedBefore);
    }

    const SoundManager sound(harness.soundServices());
    QCOMPARE(sound.soundEnabled(), expected);
    if (firstLaunch) {
        QCOMPARE(harness.preferences->writtenKeys(),
                 (QStringList{QLatin1String(PreferenceKeys::soundEnabled.name),
                              QLatin1String(PreferenceKeys::hasLaunchedBefore.name)}));
        QCOMPARE(harness.preferences->stored(PreferenceKeys::soundEnabled), QVariant(true));
        QCOMPARE(harness.preferences->stored(PreferenceKeys::hasLaunchedBefore), QVariant(true));
    } else {
        QVERIFY(harness.preferences->writtenKeys().isEmpty());
    }
}

void TestSoundManager::everyAssignmentIsPublishedAndStored()
{
    StateHarness harness;
    SoundManager sound(harness.soundServices());
    harness.preferences->forgetWrites();
    QSignalSpy changed(&sound, &SoundManager::changed);

    sound.setSoundEnabled(true);
    sound.setSoundEnabled(false);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(harness.preferences->writes(PreferenceKeys::soundEnabled), 2);
    QCOMPARE(harness.preferences->stored(PreferenceKeys::soundEnabled), QVariant(false));

    // A store that cannot save keeps the choice for the rest of the run.
    harness.preferences->setFailSaving(true);
    sound.setSoundEnabled(true);
    QVERIFY(sound.soundEnabled());
}

void TestSoundManager::switchedOffIsSilent()
{
    StateHarness harness;
    SoundManager sound(harness.soundServices());
    sound.setSoundEnabled(false);
    const StandardOutputCapture output;

    sound.prepareHourChime();
    sound.playHourChime();
    QVERIFY(harness.player->prepared().isEmpty());
    QVERIFY(harness.player->played().isEmpty());
    QCOMPARE(harness.beep->beeps(), 0);
    QCOMPARE(output.text(), QByteArray());
}

void TestSoundManager::chimeFileIsTheFirstFormatFound_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("played");

    QTest::newRow("mp3 before wav") << QStringList{"marseillaise.wav", "marseillaise.mp3"} << "res:marseillaise.mp3";
    QTest::newRow("m4a before wav") << QStringList{"marseillaise.wav", "marseillaise.m4a"} << "res:marseillaise.m4a";
    QTest::newRow("wav alone") << QStringList{"marseillaise.wav"} << "res:marseillaise.wav";
    QTest::newRow("none") << QStringList{"marseillaise.ogg"} << QString();
}

void TestSoundManager::chimeFileIsTheFirstFormatFound()
{
    QFETCH(QStringList, present);
    QFETCH(QString, played);
    StateHarness harness;
    harness.resources = std::make_shared<FakeResourceDirectory>();
    for (const QString& file : present) {
        harness.resources->add(file);
    }
    SoundManager sound(harness.soundServices());

    sound.prepareHourChime();
    sound.playHourChime();
    sound.playHourChime();
    // What is got ready ahead of the hour is what then plays.
    QCOMPARE(harness.player->prepared(), played.isEmpty() ? QStringList() : QStringList{played});
    if (played.isEmpty()) {
        QVERIFY(harness.player->played().isEmpty());
        QCOMPARE(harness.beep->beeps(), 2);
    } else {
        QCOMPARE(harness.player->played(), (QStringList{played, played}));
        QCOMPARE(harness.player->lastVolume(), 0.6f);
        QCOMPARE(harness.beep->beeps(), 0);
    }
}

void TestSoundManager::unplayableChimeSaysSoAndBeeps()
{
    StateHarness harness;
    harness.player->failOn(QStringLiteral("res:marseillaise.wav"),
                           QStringLiteral("Could not determine type of stream."));
    SoundManager sound(harness.soundServices());
    const StandardOutputCapture output;

    sound.playHourChime();
    QCOMPARE(output.text(), QByteArray("Failed to play sound: Could not determine type of stream.\n"));
    QCOMPARE(harness.beep->beeps(), 1);
    QVERIFY(sound.soundEnabled());
}

void TestSoundManager::sharedInstanceUsesTheServicesHandedIn()
{
    StateHarness harness;
    QVERIFY(SoundManager::configureShared(harness.soundServices()));
    SoundManager& shared = SoundManager::shared();
    QCOMPARE(&SoundManager::shared(), &shared);
    QVERIFY(shared.soundEnabled()); // a first launch over the fake preferences
    QCOMPARE(harness.preferences->stored(PreferenceKeys::hasLaunchedBefore), QVariant(true));
    QVERIFY(!SoundManager::configureShared(harness.soundServices()));
}

QTEST_GUILESS_MAIN(TestSoundManager)
#include "TestSoundManager.moc"
