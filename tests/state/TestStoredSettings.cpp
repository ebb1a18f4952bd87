// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/state/StateHarness.h"

#include "app/platform/files/SettingsPreferences.h"
#include "tests/support/ChildRun.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Stored = QMap<QString, QString>;

template <typename T>
QString nameOf(const PreferenceKey<T>& key)
{
    return QString::fromLatin1(key.name);
}

// What a first launch writes: the chime on, reminders on at 08:00, and nothing about the title
// or the theme.
Stored firstLaunchKeys()
{
    return {{nameOf(PreferenceKeys::soundEnabled), QStringLiteral("true")},
            {nameOf(PreferenceKeys::hasLaunchedBefore), QStringLiteral("true")},
            {nameOf(PreferenceKeys::notificationsEnabled), QStringLiteral("true")},
            {nameOf(PreferenceKeys::notificationHour), QStringLiteral("8")},
            {nameOf(PreferenceKeys::notificationMinute), QStringLiteral("0")},
            {nameOf(PreferenceKeys::notificationsConfigured), QStringLiteral("true")}};
}

QByteArray fileText(const Stored& values)
{
    QByteArray text("[General]\n");
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        text += it.key().toUtf8() + '=' + it.value().toUtf8() + '\n';
    }
    return text;
}

// The program's keys as the file holds them; lines it cannot read are left out.
Stored readBack(const QString& path)
{
    Stored values;
    if (!QFileInfo(path).isFile()) {
        return values;
    }
    const QSettings settings(path, QSettings::IniFormat);
    const QStringList ours =
        firstLaunchKeys().keys() + QStringList{nameOf(PreferenceKeys::menuBarFormat), nameOf(PreferenceKeys::appTheme)};
    for (const QString& key : settings.allKeys()) {
        if (ours.contains(key)) {
            const QVariant value = settings.value(key);
            values.insert(key, value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1String(", "))
                                                                        : value.toString());
        }
    }
    return values;
}

} // namespace

// The whole program's start over a real settings file in every state a file can be in.
class TestStoredSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void launchStartsWithTheDocumentedDefaults_data();
    void launchStartsWithTheDocumentedDefaults();
    void unreadableFileIsNotAFirstLaunch_data();
    void unreadableFileIsNotAFirstLaunch();
};

void TestStoredSettings::launchStartsWithTheDocumentedDefaults_data()
{
    QTest::addColumn<QString>("setup"); // "file", "folder in the way", "file in the way"
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("sound");
    QTest::addColumn<MenuBarFormat>("format");
    QTest::addColumn<AppTheme>("theme");
    QTest::addColumn<bool>("reminders");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<Stored>("afterwards"); // the file's values after the launch
    QTest::addColumn<QStringList>("said");  // the lines on standard error, in order

    const Stored firstLaunch = firstLaunchKeys();
    QTest::newRow("no file") << "file" << QByteArray() << true << MenuBarFormat::dateAndTime << AppTheme::light << true
                             << 8 << 0 << firstLaunch << QStringList();

    Stored wrongTypes;
    for (const QString& key : firstLaunch.keys()) {
        wrongTypes.insert(key, QStringLiteral("abc"));
    }
    wrongTypes.insert(nameOf(PreferenceKeys::menuBarFormat), QStringLiteral("1, 2"));
    wrongTypes.insert(nameOf(PreferenceKeys::appTheme), QStringLiteral("42"));
    Stored wrongTypesAfter = firstLaunch;
    wrongTypesAfter.insert(nameOf(PreferenceKeys::menuBarFormat), QStringLiteral("1, 2"));
    wrongTypesAfter.insert(nameOf(PreferenceKeys::appTheme), QStringLiteral("42"));
    QTest::newRow("wrong types") << "file" << fileText(wrongTypes) << true << MenuBarFormat::dateAndTime
                                 << AppTheme::light << true << 8 << 0 << wrongTypesAfter << QStringList();

    Stored outOfRange = firstLaunch;
    outOfRange.insert(nameOf(PreferenceKeys::notificationHour), QStringLiteral("99"));
    outOfRange.insert(nameOf(PreferenceKeys::notificationMinute), QStringLiteral("-5"));
    outOfRange.insert(nameOf(PreferenceKeys::menuBarFormat), QString());
    outOfRange.insert(nameOf(PreferenceKeys::appTheme), QStringLiteral("sepianight"));
    QTest::newRow("out of range and not a choice")
        << "file" << fileText(outOfRange) << true << MenuBarFormat::dateAndTime << AppTheme::light << true << 8 << 0
        << outOfRange << QStringList();

    Stored chosen = firstLaunch;
    chosen.insert(nameOf(PreferenceKeys::soundEnabled), QStringLiteral("false"));
    chosen.insert(nameOf(PreferenceKeys::notificationHour), QStringLiteral("6"));
    chosen.insert(nameOf(PreferenceKeys::menuBarFormat), QStringLiteral("decimalTime"));
    chosen.insert(nameOf(PreferenceKeys::appTheme), QStringLiteral("sepiaNight"));
    QTest::newRow("chosen before") << "file" << fileText(chosen) << false << MenuBarFormat::decimalTime
                                   << AppTheme::sepiaNight << true << 6 << 0 << chosen << QStringList();

    QTest::newRow("binary junk") << "file"
                                 << QByteArray("\x7f"
                                               "ELF\x02\x01\x01\x00\x00\xff\xfe[[[=\n",
                                               17)
                                 << false << MenuBarFormat::dateAndTime << AppTheme::light << false << 0 << 0
                                 << Stored() << QStringList{"cannot use the settings file", "moved the settings file"};
    QTest::newRow("unreadable and unwritable")
        << "folder in the way" << QByteArray() << false << MenuBarFormat::dateAndTime << AppTheme::light << false << 0
        << 0 << Stored() << QStringList{"cannot read the settings file", "not saving the settings"};
    QTest::newRow("unwritable") << "file in the way" << QByteArray() << true << MenuBarFormat::dateAndTime
                                << AppTheme::light << true << 8 << 0 << Stored()
                                << QStringList{"cannot save the settings"};
}

void TestStoredSettings::launchStartsWithTheDocumentedDefaults()
{
    QFETCH(QString, setup);
    QFETCH(QByteArray, contents);
    QFETCH(bool, sound);
    QFETCH(MenuBarFormat, format);
    QFETCH(AppTheme, theme);
    QFETCH(bool, reminders);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(Stored, afterwards);
    QFETCH(QStringList, said);

    const QTemporaryDir home;
    QString path = home.filePath(QStringLiteral("Quintaval.conf"));
    if (setup == QLatin1String("folder in the way")) {
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Quintaval.conf")));
    } else if (setup == QLatin1String("file in the way")) {
        QFile blocker(home.filePath(QStringLiteral("Quintaval")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        path = home.filePath(QStringLiteral("Quintaval/Quintaval.conf"));
    } else if (!contents.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    for (const QString& line : std::as_const(said)) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(line));
    }

    StateHarness harness;
    harness.store = std::make_shared<SettingsPreferences>(path, PreferenceKeys::schema());
    harness.launch(localInstant(2026, 12, 7, 6, 0));
    harness.center->answerAuthorization(true);

    QCOMPARE(harness.sound->soundEnabled(), sound);
    QCOMPARE(harness.calendar->menuBarFormat(), format);
    QCOMPARE(harness.calendar->theme(), theme);
    QCOMPARE(harness.notifications->enabled(), reminders);
    QCOMPARE(harness.notifications->hour(), hour);
    QCOMPARE(harness.notifications->minute(), minute);
    QCOMPARE(harness.center->pendingCount() >= 13, reminders);
    QCOMPARE(readBack(path), afterwards);

    // A choice made later holds for the rest of the run whether or not it could be saved.
    harness.calendar->setTheme(AppTheme::sepiaNight);
    harness.sound->setSoundEnabled(!sound);
    QCOMPARE(harness.store->read(PreferenceKeys::appTheme), AppTheme::sepiaNight);
    QCOMPARE(harness.store->read(PreferenceKeys::soundEnabled), !sound);
}

void TestStoredSettings::unreadableFileIsNotAFirstLaunch_data()
{
    QTest::addColumn<QString>("locked"); // what loses its permissions: the file or its folder
    QTest::newRow("file mode 000") << QStringLiteral("Quintaval.conf");
    QTest::newRow("folder mode 000") << QString();
}

// Taken for a first launch, a file the program cannot read switched the chime and reminders back
// on against the user's stored choice, and the next save lost the rest of it.
void TestStoredSettings::unreadableFileIsNotAFirstLaunch()
{
    QUINTAVAL_RUN_UNPRIVILEGED();
    QFETCH(QString, locked);
    const QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("Quintaval"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/Quintaval.conf");
    Stored chosen = firstLaunchKeys();
    chosen.insert(nameOf(PreferenceKeys::soundEnabled), QStringLiteral("false"));
    chosen.insert(nameOf(PreferenceKeys::notificationsEnabled), QStringLiteral("false"));
    chosen.insert(nameOf(PreferenceKeys::appTheme), QStringLiteral("sepiaNight"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(fileText(chosen));
    file.close();
    const QString lockedPath = locked.isEmpty() ? folder : path;
    const auto mode = QFile::permissions(lockedPath);
    QVERIFY(QFile::setPermissions(lockedPath, {}));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot read the settings file")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not saving the settings")));
    StateHarness harness;
    harness.store = std::make_shared<SettingsPreferences>(path, PreferenceKeys::schema());
    harness.launch(localInstant(2026, 12, 7, 6, 0));
    harness.center->answerAuthorization(true);
    QCOMPARE(harness.sound->soundEnabled(), false);
    QCOMPARE(harness.notifications->enabled(), false);
    QCOMPARE(harness.center->pendingCount(), 0);
    harness.calendar->setTheme(AppTheme::light);

    QVERIFY(QFile::setPermissions(lockedPath, mode));
    QCOMPARE(readBack(path), chosen);
}

QTEST_GUILESS_MAIN(TestStoredSettings)
#include "TestStoredSettings.moc"
