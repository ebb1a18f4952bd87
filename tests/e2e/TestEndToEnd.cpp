// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on a virtual X screen and a private session bus, with the test status bar
// as its host, driven the way a user drives it: clicks, keys and the clipboard.

#include "tests/support/StatusBarHostProcess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <memory>
#include <utility>
#include <vector>

namespace {

// The panel's footer ends in the settings and quit buttons, each 20 px square, 6 px apart, 12 px
// from the right edge and 8 px from the bottom; the copy button sits left of them.
constexpr int footerInset = 12;
constexpr int footerBottom = 8;
constexpr int footerButton = 20;
constexpr int footerSpacing = 6;

QPoint footerButtonCentre(const QRect& panel, int fromRight)
{
    const int right = panel.right() + 1 - footerInset - fromRight * (footerButton + footerSpacing);
    return {right - footerButton / 2, panel.bottom() + 1 - footerBottom - footerButton / 2};
}

QString run(const QString& program, const QStringList& arguments, int* exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    if (exitCode) {
        *exitCode = process.exitCode();
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The visible top-level window with exactly this name, as the X server places it.
std::optional<QRect> windowNamed(const QString& name)
{
    const QString ids = run(QStringLiteral("xdotool"),
                            {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                             QLatin1Char('^') + QRegularExpression::escape(name) + QLatin1Char('$')});
    if (ids.isEmpty()) {
        return std::nullopt;
    }
    const QString geometry = run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"),
                                                             QStringLiteral("--shell"), ids.split('\n').last()});
    QVariantMap values;
    for (const QString& line : geometry.split(QLatin1Char('\n'))) {
        const auto parts = line.split(QLatin1Char('='));
        if (parts.size() == 2) {
            values.insert(parts[0], parts[1].toInt());
        }
    }
    return QRect(values.value("X").toInt(), values.value("Y").toInt(), values.value("WIDTH").toInt(),
                 values.value("HEIGHT").toInt());
}

std::optional<QRect> waitForWindow(const QString& name, bool visible = true)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto found = windowNamed(name);
        if (found.has_value() == visible) {
            return found;
        }
        QThread::msleep(100);
    }
    return visible ? std::nullopt : windowNamed(name);
}

void clickAt(QPoint point)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
                                    QStringLiteral("click"), QStringLiteral("1")});
}

QString clipboard()
{
    return run(QStringLiteral("xclip"),
               {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
}

// One run of the program at a chosen instant in Paris, with its own preferences and runtime folder.
class Quintaval
{
public:
    explicit Quintaval(const QTemporaryDir& home, QString instant = QStringLiteral("2026-12-07 10:40:00"))
        : m_home(home), m_instant(std::move(instant))
    {}

    void start()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("TZ"), QStringLiteral("Europe/Paris"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.filePath(QStringLiteral("runtime")));
        QDir().mkpath(m_home.filePath(QStringLiteral("runtime")));
        QFile(m_home.filePath(QStringLiteral("runtime")))
            .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        // libfaketime is preloaded rather than run as the faketime command, which would stand
        // between this test and the program (and outlive a kill). The monotonic clock stays true,
        // so the program's timers run at their pace.
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(QUINTAVAL_LIBFAKETIME));
        environment.insert(QStringLiteral("FAKETIME"), QLatin1Char('@') + m_instant);
        environment.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
        for (const auto& [name, value] : m_variables) {
            if (value.isNull()) {
                environment.remove(name);
            } else {
                environment.insert(name, value);
            }
        }
        m_process.setProcessEnvironment(environment);
        m_process.start(QStringLiteral(QUINTAVAL_PROGRAM), m_arguments);
        QVERIFY(m_process.waitForStarted());
    }

    // Starts a second copy that should find the first and leave; returns its exit code.
    int startAnother()
    {
        Quintaval second(m_home, m_instant);
        second.start();
        second.m_process.waitForFinished(10000);
        return second.m_process.state() == QProcess::NotRunning ? second.m_process.exitCode() : -1;
    }

    QProcess& process() { return m_process; }

    void setArguments(const QStringList& arguments) { m_arguments = arguments; }
    // Set for the next start; a null value takes the variable away.
    void setVariable(const QString& name, const QString& value) { m_variables.emplace_back(name, value); }

    ~Quintaval()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

private:
    const QTemporaryDir& m_home;
    QString m_instant;
    QProcess m_process;
    std::vector<std::pair<QString, QString>> m_variables;
    QStringList m_arguments;
};

// A session bus of a test's own, to be taken away under the program.
class SessionBus
{
public:
    SessionBus()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--config-file=" QUINTAVAL_PRIVATE_BUS_CONFIG), QStringLiteral("--nofork"),
                        QStringLiteral("--print-address=1")});
        if (m_daemon.waitForReadyRead(10000)) {
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        }
    }

    ~SessionBus() { end(); }

    QString address() const { return m_address; }

    void end()
    {
        m_daemon.kill();
        m_daemon.waitForFinished();
    }

private:
    QProcess m_daemon;
    QString m_address;
};

QByteArray mappedBy(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    return maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
}

void storePreference(const QTemporaryDir& home, const QString& line)
{
    QDir().mkpath(home.filePath(QStringLiteral("config/Quintaval")));
    QFile file(home.filePath(QStringLiteral("config/Quintaval/Quintaval.conf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("[General]\n") + line.toUtf8() + '\n');
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void titlePanelCopySettingsSecondStartAndQuit();
    void dateFormatFromThePreferences();
    void openPanelAtTheFirstStart();
    void withoutAnyTrayThePanelIsAWindow();
    void signalsEndTheProgramCleanly_data();
    void signalsEndTheProgramCleanly();
    void lostSessionBusEndsTheProgram();
    void chimeLeavesNoSoundBackEndBehind();

private:
    QString waitForItem();
    QVariantMap waitForLabel(const QString& key, const QString& label);

    std::unique_ptr<StatusBarHostProcess> m_host;
};

void TestEndToEnd::init()
{
    m_host = std::make_unique<StatusBarHostProcess>();
}

void TestEndToEnd::cleanup()
{
    m_host.reset();
}

QString TestEndToEnd::waitForItem()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QStringList items = m_host->items();
        if (!items.isEmpty()) {
            return items.first();
        }
        QThread::msleep(100);
    }
    return {};
}

QVariantMap TestEndToEnd::waitForLabel(const QString& key, const QString& label)
{
    QVariantMap item;
    for (int attempt = 0; attempt < 100; ++attempt) {
        item = m_host->item(key);
        // The label comes with its signal; the tooltip, always the full title, after its own.
        if (item.value(QStringLiteral("label")).toString() == label &&
            item.value(QStringLiteral("toolTipTitle")).toString() ==
                QStringLiteral("🥶 15 Frimaire · Quintidi · 4:44")) {
            break;
        }
        QThread::msleep(100);
    }
    return item;
}

void TestEndToEnd::titlePanelCopySettingsSecondStartAndQuit()
{
    QVERIFY(m_host->start());
    const QTemporaryDir home;
    Quintaval quintaval(home);
    quintaval.start();

    const QString key = waitForItem();
    QVERIFY2(!key.isEmpty(), "the program never registered its item");
    // The test bar draws the icon beside the label: the emoji is in the icon only.
    const QVariantMap item = waitForLabel(key, QStringLiteral("15 Frimaire · Quintidi · 4:44"));
    QCOMPARE(item.value(QStringLiteral("label")).toString(), QStringLiteral("15 Frimaire · Quintidi · 4:44"));
    QVERIFY(item.value(QStringLiteral("toolTipText")).toString().startsWith(QStringLiteral("Quintidi 15 Frimaire an")));
    QCOMPARE(item.value(QStringLiteral("id")).toString(), QStringLiteral("quintaval"));

    // A click on the item drops the panel from under the click.
    QVERIFY(m_host->click(key));
    const auto panel = waitForWindow(QStringLiteral("Quintaval"));
    QVERIFY2(panel, "no panel after the click");
    const int itemCentre = item.value(QStringLiteral("left")).toInt() + item.value(QStringLiteral("width")).toInt() / 2;
    const int barBottom = item.value(QStringLiteral("top")).toInt() + item.value(QStringLiteral("height")).toInt();
    QVERIFY2(panel->left() <= itemCentre && itemCentre <= panel->right(), "panel not under the item");
    QVERIFY(panel->top() >= barBottom - 1 && panel->top() <= barBottom + 10);
    QCOMPARE(panel->width(), 320);

    // Copy.
    clickAt(footerButtonCentre(*panel, 2));
    QTRY_COMPARE_WITH_TIMEOUT(clipboard(), QStringLiteral("🥶 15 Frimaire an CCXXXV · 4:44 décimal"), 5000);

    // Settings: the autostart entry comes and goes with the first switch of the window.
    clickAt(footerButtonCentre(*panel, 1));
    QVERIFY2(waitForWindow(QStringLiteral("Quintaval Settings")), "no settings window");
    const QString autostart = home.filePath(QStringLiteral("config/autostart/quintaval.desktop"));
    QVERIFY(!QFile::exists(autostart));
    const auto pressSpaceInSettings = [] {
        run(QStringLiteral("xdotool"),
            {QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral("^Quintaval Settings$"),
             QStringLiteral("windowfocus"), QStringLiteral("--sync"), QStringLiteral("key"), QStringLiteral("space")});
    };
    pressSpaceInSettings();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(autostart), 5000);
    QFile entry(autostart);
    QVERIFY(entry.open(QIODevice::ReadOnly));
    QVERIFY(entry.readAll().contains("Exec="));
    entry.close();
    pressSpaceInSettings();
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(autostart), 5000);

    // A second start leaves at once and leaves one item.
    QCOMPARE(quintaval.startAnother(), 0);
    QCOMPARE(m_host->items().size(), 1);
    QVERIFY(quintaval.process().state() == QProcess::Running);

    // Quit, from the panel the second start opened.
    const auto reopened = waitForWindow(QStringLiteral("Quintaval"));
    QVERIFY2(reopened, "the second start did not open the panel");
    clickAt(footerButtonCentre(*reopened, 0));
    QVERIFY(quintaval.process().waitForFinished(10000));
    QCOMPARE(quintaval.process().exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(m_host->items().isEmpty(), 5000);
}

void TestEndToEnd::dateFormatFromThePreferences()
{
    QVERIFY(m_host->start());
    const QTemporaryDir home;
    storePreference(home, QStringLiteral("menuBarFormat=date"));
    Quintaval quintaval(home);
    quintaval.start();
    const QString key = waitForItem();
    QVERIFY(!key.isEmpty());
    QCOMPARE(waitForLabel(key, QStringLiteral("15 Frim.")).value(QStringLiteral("label")).toString(),
             QStringLiteral("15 Frim."));
}

// A launcher of the desktop's own (a Plasma widget, XFCE's generic monitor) may start the program
// with its click: the panel opens then too.
void TestEndToEnd::openPanelAtTheFirstStart()
{
    QVERIFY(m_host->start());
    const QTemporaryDir home;
    Quintaval quintaval(home);
    quintaval.setArguments({QStringLiteral("--open-panel")});
    quintaval.start();
    QVERIFY(!waitForItem().isEmpty());
    QVERIFY2(waitForWindow(QStringLiteral("Quintaval")), "no panel after a start with --open-panel");
}

// With no status bar and no tray, the program says so and puts up nothing by itself (a window that
// jumps up at login, before the bar is there, takes the keyboard); the user's next start opens the
// panel as a window.
void TestEndToEnd::withoutAnyTrayThePanelIsAWindow()
{
    const QTemporaryDir home;
    Quintaval quintaval(home);
    quintaval.process().setProcessChannelMode(QProcess::SeparateChannels);
    quintaval.start();
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += quintaval.process().readAllStandardError()).contains('\n'), 10000);
    // The old way put the window up right after the line.
    QTest::qWait(2000);
    QCOMPARE(windowNamed(QStringLiteral("Quintaval")), std::optional<QRect>());

    Quintaval again(home);
    again.start();
    QVERIFY(again.process().waitForFinished(5000));
    QCOMPARE(again.process().exitCode(), 0);
    QVERIFY2(waitForWindow(QStringLiteral("Quintaval")), "the second start opened no window");

    quintaval.process().terminate();
    QVERIFY(quintaval.process().waitForFinished(5000));
    // One line says why, and nothing else is written.
    said += quintaval.process().readAllStandardError();
    const QStringList lines = QString::fromUtf8(said).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().contains(QStringLiteral("start quintaval again")), qPrintable(lines.first()));
}

void TestEndToEnd::signalsEndTheProgramCleanly_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

// A logout or a kill: the program leaves as through its quit control, its item off the bar, its
// socket removed (so the next start need not wait on it) and the first launch's settings saved.
void TestEndToEnd::signalsEndTheProgramCleanly()
{
    QFETCH(int, signal);
    QVERIFY(m_host->start());
    const QTemporaryDir home;
    Quintaval quintaval(home);
    quintaval.start();
    QVERIFY(!waitForItem().isEmpty());
    const QDir runtime(home.filePath(QStringLiteral("runtime")));
    QCOMPARE(runtime.entryList({QStringLiteral("*.socket")}, QDir::System).size(), 1);

    QCOMPARE(::kill(static_cast<pid_t>(quintaval.process().processId()), signal), 0);
    QVERIFY(quintaval.process().waitForFinished(10000));
    QCOMPARE(quintaval.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(quintaval.process().exitCode(), 0);
    QCOMPARE(runtime.entryList({QStringLiteral("*.socket")}, QDir::System), QStringList());
    QTRY_VERIFY(m_host->items().isEmpty());
    const QSettings stored(home.filePath(QStringLiteral("config/Quintaval/Quintaval.conf")), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("hasLaunchedBefore")).toString(), QStringLiteral("true"));
    QCOMPARE(stored.value(QStringLiteral("notificationsConfigured")).toString(), QStringLiteral("true"));
}

// The session ended under the program: it says so and leaves, so that the next start, on the
// next session's bus, is the first one again rather than sent to a program nobody can reach.
void TestEndToEnd::lostSessionBusEndsTheProgram()
{
    const QTemporaryDir home;
    const QDir runtime(home.filePath(QStringLiteral("runtime")));
    auto bus = std::make_unique<SessionBus>();
    QVERIFY(!bus->address().isEmpty());
    Quintaval quintaval(home);
    quintaval.setVariable(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus->address());
    quintaval.start();
    QTRY_COMPARE_WITH_TIMEOUT(runtime.entryList({QStringLiteral("*.socket")}, QDir::System).size(), 1, 10000);
    QTest::qWait(500);

    bus.reset();
    QVERIFY(quintaval.process().waitForFinished(10000));
    QCOMPARE(quintaval.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(quintaval.process().exitCode(), 1);
    const QString errors = QString::fromUtf8(quintaval.process().readAllStandardError());
    QVERIFY2(errors.contains(QStringLiteral("session bus")), qPrintable(errors));

    const SessionBus next;
    Quintaval again(home);
    again.setVariable(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), next.address());
    again.start();
    QVERIFY(!again.process().waitForFinished(3000));
    QCOMPARE(runtime.entryList({QStringLiteral("*.socket")}, QDir::System).size(), 1);
}

// Qt Multimedia and GStreamer hold some twenty megabytes once loaded: the chime must not leave
// them in the program. Here no sound server runs, so the chime fails, says so and beeps.
void TestEndToEnd::chimeLeavesNoSoundBackEndBehind()
{
    const QTemporaryDir home;
    // 02:24 in Paris ends the first decimal hour of the day.
    Quintaval quintaval(home, QStringLiteral("2026-12-07 02:23:57"));
    quintaval.setVariable(QStringLiteral("PULSE_SERVER"), QString());
    quintaval.start();
    QByteArray output;
    QTRY_VERIFY_WITH_TIMEOUT((output += quintaval.process().readAllStandardOutput()).contains("Failed to play sound: "),
                             20000);
    QTest::qWait(500);
    const QByteArray maps = mappedBy(quintaval.process().processId());
    QVERIFY(!maps.isEmpty());
    QVERIFY(!maps.contains("libQt6Multimedia"));
    QVERIFY(!maps.contains("libgstreamer-1.0"));
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "TestEndToEnd.moc"
