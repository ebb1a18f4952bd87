// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/files/SettingsPreferences.h"
#include "tests/support/ChildRun.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace {

constexpr PreferenceKey<bool> flag{"flag", false};
constexpr PreferenceKey<int> number{"number", 0};
constexpr PreferenceKey<int> hour{"hour", 0, 0, 23};
const PreferenceKey<QString> text{"text", QString()};

void writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSettingsPreferences : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void storedTextReadsAsItsType_data();
    void storedTextReadsAsItsType();
    void everyWriteIsOnDiskAtOnce();
    void storeThatCannotBeSavedKeepsItsValues_data();
    void storeThatCannotBeSavedKeepsItsValues();
    void fileNotOursIsNeverOverwritten_data();
    void fileNotOursIsNeverOverwritten();
    void heldWritesReachTheFileTogether();
    void defaultStoreLivesInTheUserConfigFolder();
    void defaultStoreFollowsTheUsersHome_data();
    void defaultStoreFollowsTheUsersHome();

private:
    QTemporaryDir m_home;
};

void TestSettingsPreferences::initTestCase()
{
    // QSettings takes the user config folder once per process, at its first use.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("config"))));
}

void TestSettingsPreferences::storedTextReadsAsItsType_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("expectedFlag");
    QTest::addColumn<int>("expectedNumber");
    QTest::addColumn<int>("expectedHour");
    QTest::addColumn<QString>("expectedText");

    QTest::newRow("absent") << QByteArray() << false << 0 << 0 << QString();
    QTest::newRow("true") << QByteArray("true") << true << 0 << 0 << QStringLiteral("true");
    QTest::newRow("false") << QByteArray("false") << false << 0 << 0 << QStringLiteral("false");
    QTest::newRow("number") << QByteArray("17") << false << 17 << 17 << QStringLiteral("17");
    QTest::newRow("negative") << QByteArray("-5") << false << -5 << 0 << QStringLiteral("-5");
    QTest::newRow("out of range") << QByteArray("99") << false << 99 << 0 << QStringLiteral("99");
    QTest::newRow("word") << QByteArray("abc") << false << 0 << 0 << QStringLiteral("abc");
    QTest::newRow("empty") << QByteArray("") << false << 0 << 0 << QString();
    QTest::newRow("list") << QByteArray("a, b") << false << 0 << 0 << QString();
    QTest::newRow("quoted") << QByteArray("\"dateAndTime\"") << false << 0 << 0 << QStringLiteral("dateAndTime");
    QTest::newRow("huge number") << QByteArray("99999999999999999999") << false << 0 << 0
                                 << QStringLiteral("99999999999999999999");
}

void TestSettingsPreferences::storedTextReadsAsItsType()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, expectedFlag);
    QFETCH(int, expectedNumber);
    QFETCH(int, expectedHour);
    QFETCH(QString, expectedText);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Quintaval.conf"));
    QByteArray contents("[General]\n");
    if (!line.isNull()) {
        for (const char* name : {flag.name, number.name, hour.name, text.name}) {
            contents += QByteArray(name) + '=' + line + '\n';
        }
    }
    writeFile(path, contents);

    const SettingsPreferences preferences(path);
    QCOMPARE(preferences.read(flag), expectedFlag);
    QCOMPARE(preferences.read(number), expectedNumber);
    QCOMPARE(preferences.read(hour), expectedHour);
    QCOMPARE(preferences.read(text), expectedText);
}

void TestSettingsPreferences::everyWriteIsOnDiskAtOnce()
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Quintaval.conf"));
    SettingsPreferences preferences(path);

    QVERIFY(preferences.write(flag, true));
    QVERIFY(readFile(path).contains("flag=true"));
    QVERIFY(preferences.write(number, 8));
    QVERIFY(preferences.write(text, QStringLiteral("sepiaNight")));
    QVERIFY(readFile(path).startsWith("[General]\n"));

    const SettingsPreferences later(path);
    QCOMPARE(later.read(flag), true);
    QCOMPARE(later.read(number), 8);
    QCOMPARE(later.read(text), QStringLiteral("sepiaNight"));
}

void TestSettingsPreferences::storeThatCannotBeSavedKeepsItsValues_data()
{
    QTest::addColumn<QString>("relativePath");
    // Holds as root too, which ignores permission bits. A folder where the file should be is a
    // file that cannot be read (see TestStoredSettings).
    QTest::newRow("folder is a file") << QStringLiteral("blocker/Quintaval.conf");
}

void TestSettingsPreferences::storeThatCannotBeSavedKeepsItsValues()
{
    QFETCH(QString, relativePath);
    const QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Quintaval.conf")));
    writeFile(folder.filePath(QStringLiteral("blocker")), "not a folder");
    const QString path = folder.filePath(relativePath);

    SettingsPreferences preferences(path);
    QCOMPARE(preferences.read(flag), false);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot save the settings")));
    QVERIFY(!preferences.write(flag, true));
    QVERIFY(!preferences.write(number, 12)); // said once per run
    QCOMPARE(preferences.read(flag), true);
    QCOMPARE(preferences.read(number), 12);
    QCOMPARE(readFile(folder.filePath(QStringLiteral("blocker"))), QByteArray("not a folder"));
}

void TestSettingsPreferences::fileNotOursIsNeverOverwritten_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("usable");

    QTest::newRow("binary garbage") << QByteArray("[General]\n\x01\x02[[[garbage\nnumber=7\n") << false;
    QTest::newRow("line of words") << QByteArray("[General]\nnumber=7\njust some words\n") << false;
    QTest::newRow("section header cut short") << QByteArray("[General\nnumber=7\n") << false;
    QTest::newRow("our key in a mangled section") << QByteArray("[Genral]\nnumber=7\n") << false;
    QTest::newRow("not UTF-8") << QByteArray("[General]\nnumber=7\ntext=caf\xe9\n") << false;
    QByteArray huge("[General]\nnumber=7\n");
    while (huge.size() <= SettingsPreferences::maximumFileSize) {
        huge += "; a comment line to make the file larger than any settings file\n";
    }
    QTest::newRow("over the size limit") << huge << false;
    QTest::newRow("others' keys and sections are kept")
        << QByteArray("; written by hand\n[General]\nnumber=7\nsomeoneElse=\"a, b\"\n\n[Other]\nkey=value\n") << true;
}

// QSettings reads what it can of a damaged file and writes only that back. Ours is kept as it is
// until the user changes a setting, then moved aside for a fresh file.
void TestSettingsPreferences::fileNotOursIsNeverOverwritten()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, usable);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Quintaval.conf"));
    writeFile(path, contents);
    const PreferenceSchema schema{
        {QString::fromLatin1(flag.name), QString::fromLatin1(number.name), QString::fromLatin1(text.name)},
        {{QString::fromLatin1(flag.name), true}}};

    if (!usable) {
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression(
                QStringLiteral("cannot use the settings file .*%1: ").arg(QRegularExpression::escape(path))));
    }
    SettingsPreferences preferences(path, schema);
    QCOMPARE(preferences.read(number), usable ? 7 : 0);
    QCOMPARE(preferences.read(flag), !usable);
    QCOMPARE(readFile(path), contents);

    const QString aside = path + QStringLiteral(".broken-") + QDate::currentDate().toString(Qt::ISODate);
    if (!usable) {
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression(
                QStringLiteral("moved the settings file .* to %1").arg(QRegularExpression::escape(aside))));
    }
    QVERIFY(preferences.write(number, 5));
    QCOMPARE(readFile(aside), usable ? QByteArray() : contents);
    const SettingsPreferences later(path, schema);
    QCOMPARE(later.read(number), 5);
    // Only what was written: a stand-in is no choice of the user's to keep.
    QCOMPARE(later.read(flag), false);
    QCOMPARE(readFile(path).contains("someoneElse") && readFile(path).contains("[Other]"), usable);
}

void TestSettingsPreferences::heldWritesReachTheFileTogether()
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Quintaval.conf"));
    SettingsPreferences preferences(path);

    preferences.holdSaves();
    QVERIFY(preferences.write(flag, true));
    QVERIFY(preferences.write(number, 8));
    QVERIFY(!QFile::exists(path));
    QVERIFY(preferences.releaseSaves());
    QCOMPARE(readFile(path), QByteArray("[General]\nflag=true\nnumber=8\n"));
}

void TestSettingsPreferences::defaultStoreLivesInTheUserConfigFolder()
{
    SettingsPreferences preferences;
    const QString expected = m_home.filePath(QStringLiteral("config/Quintaval/Quintaval.conf"));
    QCOMPARE(preferences.fileName(), expected);
    QVERIFY(preferences.write(flag, true));
    QCOMPARE(readFile(expected), QByteArray("[General]\nflag=true\n"));
}

void TestSettingsPreferences::defaultStoreFollowsTheUsersHome_data()
{
    // In the paths, @ stands for a folder of the test's that every user may write in.
    QTest::addColumn<QByteArray>("xdgConfigHome"); // null: unset
    QTest::addColumn<QByteArray>("home");          // null: unset
    QTest::addColumn<int>("user");                 // 54321: one the password database does not know
    QTest::addColumn<QByteArray>("file");          // where the settings are kept; empty: nowhere
    QTest::addColumn<QString>("said");

    const QString noFolder = QStringLiteral("no folder to keep the settings in");
    QTest::newRow("relative XDG_CONFIG_HOME") << QByteArray("config") << QByteArray("@/home") << 65534
                                              << QByteArray("@/home/.config/Quintaval/Quintaval.conf") << QString();
    QTest::newRow("HOME not UTF-8") << QByteArray() << QByteArray("@/h\xe9me") << 65534
                                    << QByteArray("@/h\xe9me/.config/Quintaval/Quintaval.conf") << QString();
    QTest::newRow("HOME of /") << QByteArray() << QByteArray("/") << 65534 << QByteArray() << noFolder;
    QTest::newRow("no HOME, no home at all") << QByteArray() << QByteArray() << 54321 << QByteArray() << noFolder;
    QTest::newRow("no HOME, the password database's")
        << QByteArray() << QByteArray() << 65534 << QByteArray("/nonexistent/.config/Quintaval/Quintaval.conf")
        << QStringLiteral("cannot save the settings");
}

// The settings went to a folder relative to wherever the program was started, to /.config, or
// to a folder named with U+FFFD in place of the home's bytes.
void TestSettingsPreferences::defaultStoreFollowsTheUsersHome()
{
    QFETCH(QByteArray, xdgConfigHome);
    QFETCH(QByteArray, home);
    QFETCH(int, user);
    QFETCH(QByteArray, file);
    QFETCH(QString, said);
    if (!ChildRun::inChild()) {
        if (::geteuid() != 0) {
            QSKIP("other users' homes need root to switch to them");
        }
        const QTemporaryDir shared;
        const QByteArray root = QFile::encodeName(shared.path());
        // QDir cannot name the folder whose name is not UTF-8, so it would leave the whole tree.
        const auto removeTree = qScopeGuard([&root] { std::filesystem::remove_all(root.constData()); });
        for (const QByteArray& folder : {root, root + "/home", root + "/h\xe9me"}) {
            QVERIFY(::mkdir(folder.constData(), 0777) == 0 || errno == EEXIST);
            QVERIFY(::chmod(folder.constData(), 0777) == 0);
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QUINTAVAL_TEST_SHARED"), shared.path());
        const auto run = ChildRun::againAsUser(user, environment);
        QVERIFY2(run && run->exitCode == 0, run ? qPrintable(ChildRun::describe(*run)) : "setpriv is missing");
        return;
    }
    // Set here, as bytes: the way in from the parent takes text only.
    const QByteArray root = qgetenv("QUINTAVAL_TEST_SHARED");
    const auto place = [&root](QByteArray path) { return path.replace('@', root); };
    for (const auto& [name, value] : {std::pair{"XDG_CONFIG_HOME", xdgConfigHome}, std::pair{"HOME", home}}) {
        if (value.isNull()) {
            qunsetenv(name);
        } else {
            qputenv(name, place(value));
        }
    }
    if (!said.isEmpty()) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(said));
    }
    SettingsPreferences preferences;
    QCOMPARE(preferences.write(flag, true), file.startsWith('@'));
    if (file.startsWith('@')) {
        QVERIFY2(::access(place(file).constData(), F_OK) == 0, place(file).constData());
    } else {
        QCOMPARE(QFile::encodeName(preferences.fileName()), file);
    }
}

QTEST_GUILESS_MAIN(TestSettingsPreferences)
#include "TestSettingsPreferences.moc"
