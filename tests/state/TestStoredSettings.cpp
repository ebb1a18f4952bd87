// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/state/StateHarness.h"

#include "app/platform/files/SettingsPreferences.h"
#include "tests/support/ChildRun.h"

#include <QDate>
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

void put(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString asideOf(const QString& path)
{
    return path + QStringLiteral(".broken-") + QDate::currentDate().toString(Qt::ISODate);
}

// The user's own choices, away from what a first launch writes.
Stored chosenKeys()
{
    Stored chosen = firstLaunchKeys();
    chosen.insert(nameOf(PreferenceKeys::soundEnabled), QStringLiteral("false"));
    chosen.insert(nameOf(PreferenceKeys::notificationsEnabled), QStringLiteral("false"));
    chosen.insert(nameOf(PreferenceKeys::notificationHour), QStringLiteral("6"));
    return chosen;
}

// A launch of the whole program over the file at `path`.
void launchOver(StateHarness& harness, const QString& path)
{
    harness.store = std::make_shared<SettingsPreferences>(path, PreferenceKeys::schema());
    harness.launch(localInstant(2026, 12, 7, 6, 0));
    harness.center->answerAuthorization(true);
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
    void fileDamagedWhileRunningIsMovedAsideBeforeASave_data();
    void fileDamagedWhileRunningIsMovedAsideBeforeASave();
    void unreadableFlagKeepsTheStoredChoices_data();
    void unreadableFlagKeepsTheStoredChoices();
    void damagedFileGetsOnlyWhatTheUserChanged_data();
    void damagedFileGetsOnlyWhatTheUserChanged();
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

void TestStoredSettings::fileDamagedWhileRunningIsMovedAsideBeforeASave_data()
{
    QTest::addColumn<QByteArray>("damage"); // added to the file while the program runs
    QTest::newRow("a line of words") << QByteArray("just some words\n");
    QTest::newRow("past the size limit") << QByteArray(SettingsPreferences::maximumFileSize, ';');
}

// QSettings merged what it could read of the file into the save and dropped the rest unsaid.
void TestStoredSettings::fileDamagedWhileRunningIsMovedAsideBeforeASave()
{
    QFETCH(QByteArray, damage);
    const QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("Quintaval.conf"));
    Stored chosen = chosenKeys();
    put(path, fileText(chosen));
    StateHarness harness;
    launchOver(harness, path);

    put(path, fileText(chosen) + damage);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("moved the settings file .* to %1 .*settings in use")
                                                .arg(QRegularExpression::escape(asideOf(path)))));
    harness.calendar->setTheme(AppTheme::sepiaNight);
    QCOMPARE(contentsOf(asideOf(path)), fileText(chosen) + damage);
    chosen.insert(nameOf(PreferenceKeys::appTheme), QStringLiteral("sepiaNight"));
    QCOMPARE(readBack(path), chosen);
}

void TestStoredSettings::unreadableFlagKeepsTheStoredChoices_data()
{
    QTest::addColumn<QString>("flag");
    QTest::newRow("launched before") << nameOf(PreferenceKeys::hasLaunchedBefore);
    QTest::newRow("reminders configured") << nameOf(PreferenceKeys::notificationsConfigured);
}

// Read as false, a flag of "maybe" set off a first launch that wrote its values over the user's.
void TestStoredSettings::unreadableFlagKeepsTheStoredChoices()
{
    QFETCH(QString, flag);
    const QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("Quintaval.conf"));
    Stored chosen = chosenKeys();
    chosen.insert(flag, QStringLiteral("maybe"));
    put(path, fileText(chosen));

    StateHarness harness;
    launchOver(harness, path);
    QCOMPARE(harness.sound->soundEnabled(), false);
    QCOMPARE(harness.notifications->enabled(), false);
    QCOMPARE(harness.notifications->hour(), 6);
    QCOMPARE(readBack(path), chosen);
}

void TestStoredSettings::damagedFileGetsOnlyWhatTheUserChanged_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<Stored>("afterwards");
    QTest::newRow("theme") << "theme" << Stored{{nameOf(PreferenceKeys::appTheme), QStringLiteral("sepiaNight")}};
    QTest::newRow("chime") << "chime" << Stored{{nameOf(PreferenceKeys::soundEnabled), QStringLiteral("true")}};
}

// The stand-ins a damaged file leaves the program on were saved with the first change, and kept
// the reminders off for good.
void TestStoredSettings::damagedFileGetsOnlyWhatTheUserChanged()
{
    QFETCH(QString, change);
    QFETCH(Stored, afterwards);
    const QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("Quintaval.conf"));
    put(path, fileText(chosenKeys()) + "just some words\n");

    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("cannot use the settings file .*chime and reminders off")));
    StateHarness harness;
    launchOver(harness, path);
    QCOMPARE(harness.sound->soundEnabled(), false);
    QCOMPARE(harness.notifications->enabled(), false);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("moved the settings file .*only the settings "
                                                                         "changed")));
    if (change == QLatin1String("theme")) {
        harness.calendar->setTheme(AppTheme::sepiaNight);
    } else {
        harness.sound->setSoundEnabled(true);
    }
    QCOMPARE(readBack(path), afterwards);
}

QTEST_GUILESS_MAIN(TestStoredSettings)
#include "TestStoredSettings.moc"
