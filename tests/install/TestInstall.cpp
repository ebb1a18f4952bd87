// SPDX-License-Identifier: GPL-3.0-or-later
// The build installed into a temporary prefix and run from there, as a package would run it: the
// programs find their resources and the widget plug-in from their own location, nothing of the
// test tools is installed, and the desktop's validators accept the launcher and metainfo files.

#include "calendar/DailyItems.h"
#include "tests/support/StatusBarHostProcess.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

// The programs run on 15 Frimaire an CCXXXV, whose plate they must read.
const QString runInstant = QStringLiteral("2026-12-07 10:40:00");

QString runDayPlate()
{
    const auto item = DailyItems::item(RevolutionaryDate{235, 3, 15, 5});
    return QStringLiteral("engravings/%1.png").arg(QString::fromStdString(item->imageName()));
}

// Names of the files opened in some folders, as the kernel reports them: it shows which copy of a
// resource a program really read, whatever other copies lie around.
class FileOpenWatch final
{
public:
    explicit FileOpenWatch(const QStringList& folders) : m_descriptor(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        for (const QString& folder : folders) {
            m_watches.insert(inotify_add_watch(m_descriptor, QFile::encodeName(folder).constData(), IN_OPEN), folder);
        }
    }
    ~FileOpenWatch() { close(m_descriptor); }
    FileOpenWatch(const FileOpenWatch&) = delete;
    FileOpenWatch& operator=(const FileOpenWatch&) = delete;

    bool isValid() const { return m_descriptor >= 0 && !m_watches.contains(-1); }

    // The paths opened so far, relative to the watched folders' parent.
    QSet<QString> opened()
    {
        alignas(inotify_event) char buffer[4096];
        ssize_t length = 0;
        while ((length = read(m_descriptor, buffer, sizeof buffer)) > 0) {
            for (char* at = buffer; at < buffer + length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if (event->len > 0) {
                    m_opened.insert(QDir(m_watches.value(event->wd)).dirName() + QLatin1Char('/') +
                                    QFile::decodeName(event->name));
                }
                at += sizeof(inotify_event) + event->len;
            }
        }
        return m_opened;
    }

private:
    int m_descriptor;
    QHash<int, QString> m_watches;
    QSet<QString> m_opened;
};

struct Run
{
    int exitCode = -1;
    QByteArray errors;
};

Run run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput() + process.readAllStandardError()};
}

QStringList sortedEntries(const QString& folder)
{
    QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    entries.sort();
    return entries;
}

} // namespace

class TestInstall final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void onlyTheProgramsAndThePluginInstall();
    void desktopFilesPassTheValidators();
    void installedProgramReadsItsOwnResources();
    void installedWidgetHostLoadsTheInstalledPlugin();

private:
    QString installed(const QString& path) const { return m_prefix.filePath(path); }

    QTemporaryDir m_prefix;
    QTemporaryDir m_work;
};

void TestInstall::initTestCase()
{
    QVERIFY(m_prefix.isValid() && m_work.isValid());
    // Every program started here inherits a runtime folder of its own, as a desktop session gives.
    const QString runtime = m_work.filePath(QStringLiteral("runtime"));
    QVERIFY(QDir().mkpath(runtime));
    QVERIFY(QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    const Run install =
        run(QStringLiteral(QUINTAVAL_CMAKE), {QStringLiteral("--install"), QStringLiteral(QUINTAVAL_BUILD_DIR),
                                              QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY2(install.exitCode == 0, install.errors.constData());
}

void TestInstall::onlyTheProgramsAndThePluginInstall()
{
    QStringList programs = QStringLiteral(QUINTAVAL_INSTALLED_PROGRAMS).split(QLatin1Char(','));
    programs.sort();
    QCOMPARE(sortedEntries(installed(QStringLiteral("bin"))), programs);
    QCOMPARE(sortedEntries(installed(QStringLiteral(QUINTAVAL_INSTALL_LIBDIR "/quintaval/widgets"))),
             QStringList{QStringLiteral("libQuintavalWidgetExtension.so")});
    QCOMPARE(sortedEntries(installed(QStringLiteral("share/applications"))),
             (QStringList{QStringLiteral("quintaval-widgets.desktop"), QStringLiteral("quintaval.desktop")}));
    QCOMPARE(sortedEntries(installed(QStringLiteral("share/plasma/plasmoids"))),
             QStringList{QStringLiteral("io.github.quintaval.title")});
}

void TestInstall::desktopFilesPassTheValidators()
{
    for (const QString& name : {QStringLiteral("quintaval.desktop"), QStringLiteral("quintaval-widgets.desktop")}) {
        const Run validation =
            run(QStringLiteral("desktop-file-validate"), {installed(QStringLiteral("share/applications/") + name)});
        QVERIFY2(validation.exitCode == 0 && validation.errors.isEmpty(), validation.errors.constData());
    }
    const QString metainfoPath = installed(QStringLiteral("share/metainfo/io.github.quintaval.Quintaval.metainfo.xml"));
    const Run metainfo = run(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                                              QStringLiteral("--explain"), metainfoPath});
    // Clean means no remark at all but the pedantic ones (P:), not merely a pass.
    static const QRegularExpression remark(QStringLiteral("^[IWE]: "), QRegularExpression::MultilineOption);
    QVERIFY2(metainfo.exitCode == 0 && !QString::fromUtf8(metainfo.errors).contains(remark),
             metainfo.errors.constData());
    // The validator accepts a component without a licence; software centres then show it as
    // proprietary or unknown.
    QFile metainfoFile(metainfoPath);
    QVERIFY(metainfoFile.open(QIODevice::ReadOnly));
    QVERIFY(metainfoFile.readAll().contains("<project_license>GPL-3.0-or-later</project_license>"));
    // Plasma's own package tool finds the installed applet where the desktop looks, and reads it.
    const Run applet = run(QStringLiteral("env"),
                           {QStringLiteral("XDG_DATA_DIRS=") + installed(QStringLiteral("share")),
                            QStringLiteral("XDG_DATA_HOME=") + m_work.filePath(QStringLiteral("data")),
                            QStringLiteral("kpackagetool5"), QStringLiteral("--type"), QStringLiteral("Plasma/Applet"),
                            QStringLiteral("--show"), QStringLiteral("io.github.quintaval.title")});
    QVERIFY2(applet.exitCode == 0 && applet.errors.contains("Name : Quintaval") &&
                 applet.errors.contains(installed(QStringLiteral("share/plasma/plasmoids")).toUtf8()),
             applet.errors.constData());
    // The whole tree: the metainfo's launcher and icon must be the installed ones.
    const Run tree = run(QStringLiteral("appstreamcli"),
                         {QStringLiteral("validate-tree"), QStringLiteral("--no-net"), m_prefix.path()});
    QVERIFY2(tree.exitCode == 0, tree.errors.constData());
}

void TestInstall::installedProgramReadsItsOwnResources()
{
    StatusBarHostProcess bar;
    QVERIFY(bar.start());
    const QString resources = installed(QStringLiteral("share/quintaval"));
    FileOpenWatch watch({resources + QStringLiteral("/engravings"), resources + QStringLiteral("/symbols")});
    QVERIFY(watch.isValid());

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_work.filePath(QStringLiteral("config")));
    // The clock is set by preloading libfaketime rather than through its wrapper, which would stand
    // between this test and the program and outlive a kill.
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(QUINTAVAL_LIBFAKETIME));
    environment.insert(QStringLiteral("FAKETIME"), QLatin1Char('@') + runInstant);
    environment.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
    QProcess quintaval;
    quintaval.setProcessEnvironment(environment);
    quintaval.setProcessChannelMode(QProcess::ForwardedChannels);
    quintaval.start(installed(QStringLiteral("bin/quintaval")), {});
    QVERIFY(quintaval.waitForStarted());
    const auto stop = qScopeGuard([&] {
        quintaval.kill();
        quintaval.waitForFinished();
    });

    QString key;
    QTRY_VERIFY_WITH_TIMEOUT(!(key = bar.items().value(0)).isEmpty(), 10000);
    QVERIFY(bar.click(key));

    const QString plate = runDayPlate();
    QTRY_VERIFY2_WITH_TIMEOUT(watch.opened().contains(plate), qPrintable(plate + QStringLiteral(" never read")), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(watch.opened().contains(QStringLiteral("symbols/gearshape.svg")), 5000);
    QCOMPARE(quintaval.state(), QProcess::Running);
}

void TestInstall::installedWidgetHostLoadsTheInstalledPlugin()
{
    FileOpenWatch watch({installed(QStringLiteral("share/quintaval/engravings"))});
    QVERIFY(watch.isValid());
    const auto render = [&](const QString& host, const QString& out) {
        return run(host, {QStringLiteral("--render"), QStringLiteral("large"), QStringLiteral("--at"),
                          QString(runInstant).replace(QLatin1Char(' '), QLatin1Char('T')), QStringLiteral("--out"),
                          m_work.filePath(out)});
    };

    const Run fromPrefix = render(installed(QStringLiteral("bin/quintaval-widgets")), QStringLiteral("installed.png"));
    QVERIFY2(fromPrefix.exitCode == 0 && fromPrefix.errors.isEmpty(), fromPrefix.errors.constData());
    const QString plate = runDayPlate();
    QVERIFY2(watch.opened().contains(plate), qPrintable(plate + QStringLiteral(" never read")));

    // The same face as the build tree's host draws with its own plug-in and plates.
    const Run fromBuild = render(QStringLiteral(QUINTAVAL_BUILD_WIDGET_HOST), QStringLiteral("built.png"));
    QCOMPARE(fromBuild.exitCode, 0);
    const QImage face(m_work.filePath(QStringLiteral("installed.png")));
    QVERIFY(!face.isNull());
    QCOMPARE(face, QImage(m_work.filePath(QStringLiteral("built.png"))));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "TestInstall.moc"
