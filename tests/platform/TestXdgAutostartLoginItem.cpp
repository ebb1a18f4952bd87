// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/session/XdgAutostartLoginItem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(LoginItem::Status)

// The autostart entry in a private configuration folder, with a private system folder beside it.
class TestXdgAutostartLoginItem final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_program;

    QString userEntry() const { return m_root->filePath("config/autostart/quintaval.desktop"); }
    QString systemEntry() const { return m_root->filePath("xdg/autostart/quintaval.desktop"); }

    static void write(const QString& path, const QByteArray& content)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString makeProgram(const QString& name) const
    {
        const QString path = m_root->filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("#!/bin/sh\n");
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        return path;
    }

private Q_SLOTS:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", m_root->filePath("config").toUtf8());
        qputenv("XDG_CONFIG_DIRS", m_root->filePath("xdg").toUtf8());
        m_program = makeProgram("bin/quintaval");
    }

    // The XDG rule: a relative XDG_CONFIG_HOME is ignored, not taken from the working folder.
    void relativeConfigHomeIsIgnored()
    {
        qputenv("XDG_CONFIG_HOME", "relative/config");
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", m_root->filePath("home").toUtf8());
        const QString workingFolder = QDir::currentPath();
        QDir::setCurrent(m_root->path());
        XdgAutostartLoginItem item(m_program);
        QVERIFY(item.registerItem());
        QDir::setCurrent(workingFolder);
        qputenv("HOME", home);
        QVERIFY(QFile::exists(m_root->filePath("home/.config/autostart/quintaval.desktop")));
        QVERIFY(!QFile::exists(m_root->filePath("relative")));
    }

    void registerAndUnregister()
    {
        XdgAutostartLoginItem item(m_program);
        QCOMPARE(item.status(), LoginItem::Status::notRegistered);
        QString error;
        QVERIFY(item.registerItem(&error));
        QCOMPARE(item.status(), LoginItem::Status::enabled);
        const QByteArray entry = read(userEntry());
        QVERIFY(entry.startsWith("[Desktop Entry]\n"));
        QVERIFY(entry.contains("\nType=Application\n"));
        QVERIFY(entry.contains("\nExec=" + m_program.toUtf8() + "\n"));

        QVERIFY(item.unregisterItem(&error));
        QVERIFY(!QFile::exists(userEntry()));
        QCOMPARE(item.status(), LoginItem::Status::notRegistered);
        // Nothing registered: unregistering again is no failure.
        QVERIFY(item.unregisterItem(&error));
    }

    void status_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<LoginItem::Status>("expected");
        QTest::newRow("plain") << QByteArray() << LoginItem::Status::enabled;
        QTest::newRow("hidden") << QByteArray("Hidden=true\n") << LoginItem::Status::notRegistered;
        QTest::newRow("not hidden") << QByteArray("Hidden=false\n") << LoginItem::Status::enabled;
        QTest::newRow("switched off in the session")
            << QByteArray("X-GNOME-Autostart-enabled=false\n") << LoginItem::Status::requiresApproval;
        QTest::newRow("switched on in the session")
            << QByteArray("X-GNOME-Autostart-enabled=true\n") << LoginItem::Status::enabled;
        QTest::newRow("hidden wins") << QByteArray("X-GNOME-Autostart-enabled=false\nHidden=true\n")
                                     << LoginItem::Status::notRegistered;
        QTest::newRow("another group's keys")
            << QByteArray("[Desktop Action quit]\nHidden=true\n") << LoginItem::Status::enabled;
    }

    void status()
    {
        QFETCH(QByteArray, keys);
        QFETCH(LoginItem::Status, expected);
        write(userEntry(),
              "[Desktop Entry]\nType=Application\nName=Quintaval\nExec=" + m_program.toUtf8() + "\n" + keys);
        QCOMPARE(XdgAutostartLoginItem(m_program).status(), expected);
    }

    void entryThatCannotStartIsNotFound_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("program gone") << QByteArray("[Desktop Entry]\nType=Application\nExec=/nonexistent/quintaval\n");
        QTest::newRow("no Exec") << QByteArray("[Desktop Entry]\nType=Application\n");
        QTest::newRow("not a desktop entry") << QByteArray("Exec=/bin/sh\n");
    }

    void entryThatCannotStartIsNotFound()
    {
        QFETCH(QByteArray, content);
        write(userEntry(), content);
        XdgAutostartLoginItem item(m_program);
        QCOMPARE(item.status(), LoginItem::Status::notFound);
        QVERIFY(item.registerItem());
        QCOMPARE(item.status(), LoginItem::Status::enabled);
    }

    // The Exec line is read by the session with the Desktop Entry rules: quoting, then string escapes.
    void programPathIsQuoted_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("exec");
        QTest::newRow("space") << "my programs/quintaval" << QByteArray("\"ROOT/my programs/quintaval\"");
        QTest::newRow("percent, no quoting") << "100%/quintaval" << QByteArray("ROOT/100%%/quintaval");
        QTest::newRow("quote, dollar, backslash, percent")
            << "a b/q\"$%\\x" << QByteArray("\"ROOT/a b/q\\\\\"\\\\$%%\\\\\\\\x\"");
    }

    void programPathIsQuoted()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, exec);
        XdgAutostartLoginItem item(makeProgram(name));
        QVERIFY(item.registerItem());
        exec.replace("ROOT", m_root->path().toUtf8());
        QVERIFY2(read(userEntry()).contains("\nExec=" + exec + "\n"), read(userEntry()).constData());
        // Read back to the same program, which exists.
        QCOMPARE(item.status(), LoginItem::Status::enabled);
    }

    void registerReplacesASwitchedOffEntry()
    {
        write(userEntry(), "[Desktop Entry]\nType=Application\nExec=" + m_program.toUtf8() + "\nHidden=true\n");
        XdgAutostartLoginItem item(m_program);
        QVERIFY(item.registerItem());
        QCOMPARE(item.status(), LoginItem::Status::enabled);
        QVERIFY(!read(userEntry()).contains("Hidden"));
    }

    // An entry that only switches the program off says what the user wants already; removing it
    // could let a system entry start the program again.
    void unregisterKeepsASwitchedOffEntry_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::newRow("hidden") << QByteArray("Hidden=true\n");
        QTest::newRow("switched off in the session") << QByteArray("X-GNOME-Autostart-enabled=false\n");
    }

    void unregisterKeepsASwitchedOffEntry()
    {
        QFETCH(QByteArray, keys);
        const QByteArray content = "[Desktop Entry]\nType=Application\nExec=" + m_program.toUtf8() + "\n" + keys;
        write(userEntry(), content);
        XdgAutostartLoginItem item(m_program);
        QVERIFY(item.unregisterItem());
        QCOMPARE(read(userEntry()), content);
        QVERIFY(item.status() != LoginItem::Status::enabled);
    }

    void systemEntryCountsAndIsHiddenOnUnregister()
    {
        write(systemEntry(), "[Desktop Entry]\nType=Application\nExec=" + m_program.toUtf8() + "\n");
        XdgAutostartLoginItem item(m_program);
        QCOMPARE(item.status(), LoginItem::Status::enabled);

        QVERIFY(item.unregisterItem());
        QVERIFY(read(userEntry()).contains("\nHidden=true\n"));
        QCOMPARE(item.status(), LoginItem::Status::notRegistered);

        QVERIFY(item.registerItem());
        QCOMPARE(item.status(), LoginItem::Status::enabled);
        QVERIFY(item.unregisterItem());
        QVERIFY(read(userEntry()).contains("\nHidden=true\n"));
    }

    void failuresAreReported()
    {
        // A file where the autostart folder belongs: the folder cannot be made, even by root.
        write(m_root->filePath("config/autostart"), "not a folder");
        XdgAutostartLoginItem item(m_program);
        QString error;
        QVERIFY(!item.registerItem(&error));
        QVERIFY2(error.contains("autostart"), qPrintable(error));
        QCOMPARE(item.status(), LoginItem::Status::notRegistered);

        // A folder where the entry belongs: it can be neither replaced nor removed.
        QFile::remove(m_root->filePath("config/autostart"));
        QVERIFY(QDir().mkpath(userEntry() + "/inside"));
        error.clear();
        QVERIFY(!item.registerItem(&error));
        QVERIFY2(error.contains("quintaval.desktop"), qPrintable(error));
        error.clear();
        QVERIFY(!item.unregisterItem(&error));
        QVERIFY2(error.contains("quintaval.desktop"), qPrintable(error));
        QVERIFY(item.status() != LoginItem::Status::enabled);
    }
};

QTEST_GUILESS_MAIN(TestXdgAutostartLoginItem)
#include "TestXdgAutostartLoginItem.moc"
