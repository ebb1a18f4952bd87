// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/time/SystemTimeZoneWatcher.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

namespace {

// Points `link` at `target` the way timedatectl and ln -sf do: a new link renamed over the old.
void replaceLink(const QString& link, const QString& target)
{
    const QString fresh = link + QStringLiteral(".new");
    QVERIFY(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(fresh).constData()) == 0);
    QVERIFY(std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(link).constData()) == 0);
}

void writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

} // namespace

// The watcher on files of a temporary folder standing in for /etc.
class TestSystemTimeZoneWatcher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void replacedLinkIsSeenEveryTime();
    void rewrittenZoneNameIsSeen();
    void otherFilesOfTheFolderAreIgnored();

private:
    std::unique_ptr<QTemporaryDir> m_etc;
    QString m_localtime;
    QString m_timezone;
    std::unique_ptr<SystemTimeZoneWatcher> m_watcher;
    int m_changes = 0;
};

void TestSystemTimeZoneWatcher::init()
{
    m_etc = std::make_unique<QTemporaryDir>();
    m_localtime = m_etc->filePath(QStringLiteral("localtime"));
    m_timezone = m_etc->filePath(QStringLiteral("timezone"));
    QVERIFY(::symlink("/usr/share/zoneinfo/Europe/Paris", QFile::encodeName(m_localtime).constData()) == 0);
    writeFile(m_timezone, "Europe/Paris\n");
    m_watcher = std::make_unique<SystemTimeZoneWatcher>(QStringList{m_localtime, m_timezone});
    m_changes = 0;
    connect(m_watcher.get(), &TimeZoneWatcher::changed, this, [this] { ++m_changes; });
}

void TestSystemTimeZoneWatcher::replacedLinkIsSeenEveryTime()
{
    replaceLink(m_localtime, QStringLiteral("/usr/share/zoneinfo/Asia/Tokyo"));
    QTRY_COMPARE(m_changes, 1);
    // The first replacement ended the watch on the old file; the change after it still counts.
    replaceLink(m_localtime, QStringLiteral("/usr/share/zoneinfo/America/New_York"));
    QTRY_COMPARE(m_changes, 2);
    QTest::qWait(400);
    QCOMPARE(m_changes, 2); // one report per change, however many events it made
}

void TestSystemTimeZoneWatcher::rewrittenZoneNameIsSeen()
{
    QTest::qWait(20); // a modification time that differs from the first write's
    writeFile(m_timezone, "Asia/Tokyo\n");
    QTRY_COMPARE(m_changes, 1);
}

void TestSystemTimeZoneWatcher::otherFilesOfTheFolderAreIgnored()
{
    writeFile(m_etc->filePath(QStringLiteral("hostname")), "elsewhere\n");
    QFile::remove(m_etc->filePath(QStringLiteral("hostname")));
    QTest::qWait(500);
    QCOMPARE(m_changes, 0);
}

QTEST_GUILESS_MAIN(TestSystemTimeZoneWatcher)
#include "TestSystemTimeZoneWatcher.moc"
