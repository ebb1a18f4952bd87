// SPDX-License-Identifier: GPL-3.0-or-later
// The real program in the real status bars people use (GNOME Shell, MATE, XFCE, sway with
// waybar, KDE Plasma), headless, at a fixed instant. Each host is read through its own eyes: the
// shell's actors, the panel's windows, the screen. A status bar of our own would share our
// reading of the protocol; these do not. One host per run, named by QUINTAVAL_HOST, in its own
// layout or the one QUINTAVAL_LAYOUT names (a bar elsewhere, two monitors, another scale), where
// a run may be limited to the checks a layout changes by naming them on the command line.

#include "tests/hosts/DesktopHosts.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusVariant>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

#include <algorithm>

namespace {

// 15 Frimaire an CCXXXV; the decimal minute 4:44 runs from 10:39:21.6 to 10:40:48.
const QString instant = QStringLiteral("2026-12-07 10:39:30");
const QString title = QStringLiteral("🥶 15 Frimaire · Quintidi · 4:44");
const QString panelName = QStringLiteral("^Quintaval$");
// The panel's, the settings window's and any other of the program's titles.
const QString ourTitles = QStringLiteral("^Quintaval");
const QString watcherName = QStringLiteral("org.kde.StatusNotifierWatcher");
// The panel does not reopen at once after closing: the click that closed it may be on the item.
constexpr int reopenPauseMs = 600;

} // namespace

class TestRealHosts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void itemShownWithItsTitleAndOneEmoji();
    void activationOpensThePanelUnderTheClick();
    void openPanelHasTheKeyboard();
    void panelCloses_data();
    void panelCloses();
    void rightClickShowsTheMenu();
    void settingsWindowCarriesTheProgramsIdentity();
    void toolTipHoldsTheFullDateAndTime_data();
    void toolTipHoldsTheFullDateAndTime();
    void everyCallOfTheHostIsAnswered();
    void appletShowsTheTitleAndOpensThePanelUnderIt();
    void barRestartBringsTheItemBackOnce();
    void panelFollowsTheDarkDesktop();
    void droppedItemIsReportedAndFallsBack();
    void genmonShowsTheTitle();

private:
    void startProgram(const QString& preferences = {});
    QStringList toolTipsSent() const;
    int registrations() const;
    QString programErrors() const;
    std::optional<QRect> panel() const;
    QString panelWindow() const;
    void save(const QString& suffix);
    bool openPanel();
    QString placementProblem(const QRect& opened, QPoint click, const QRect& bar) const;
    QString titleNow(const QStringList& arguments = {}) const;

    std::unique_ptr<DesktopHost> m_host;
    std::unique_ptr<DesktopSession> m_session;
    QProcess* m_program = nullptr;
    QString m_programServiceName;
    QString m_programBusName;
    QElapsedTimer m_sinceStart;
    std::optional<ItemView> m_item;
};

void TestRealHosts::initTestCase()
{
    const QString name = qEnvironmentVariable("QUINTAVAL_HOST");
    const QString layoutName = qEnvironmentVariable("QUINTAVAL_LAYOUT");
    auto layout = hostLayout(name, layoutName);
    QVERIFY2(layout, qPrintable(QStringLiteral("no layout \"%1\" for host \"%2\"").arg(layoutName, name)));
    if (!layout->genmon.isEmpty()) {
        // The panel runs the command by itself, so the clock and the zone go in through env.
        layout->genmon = QStringLiteral("env TZ=Europe/Paris LC_ALL=C.UTF-8 LD_PRELOAD=%1 \"FAKETIME=@%2\" %3 %4")
                             .arg(QStringLiteral(QUINTAVAL_LIBFAKETIME), instant,
                                  QStringLiteral(QUINTAVAL_TITLE_PROGRAM), layout->genmon);
    }
    m_host = desktopHost(*layout);
    QVERIFY2(m_host, qPrintable(QStringLiteral("unknown host \"%1\"").arg(name)));
    for (const QString& program : m_host->programs()) {
        if (QStandardPaths::findExecutable(program).isEmpty()) {
            QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(program)));
        }
    }
    if (layout->monitors.size() > 1 && !m_host->seesRandrMonitors()) {
        QSKIP("this host sees one monitor where the virtual screen is cut in two: it takes its monitors from the "
              "screen's outputs, and there is one");
    }
    m_session = std::make_unique<DesktopSession>();
    QVERIFY(m_session->startScreen(m_host->screenSize()));
    if (layout->monitors.size() > 1) {
        QVERIFY(m_session->setMonitors(layout->monitors, layout->barMonitor));
    }
    if (layout->scale != 1) {
        QVERIFY(m_session->setDpi(96 * layout->scale));
    }
    QVERIFY(m_session->startBusMonitor());
    QVERIFY2(m_host->start(*m_session), "the host did not put its status notifier watcher on the bus");
    startProgram(layout->preferences);
}

void TestRealHosts::cleanupTestCase()
{
    if (m_session && m_program) {
        m_session->end(m_program);
    }
    m_session.reset();
}

void TestRealHosts::startProgram(const QString& preferences)
{
    QProcessEnvironment environment = m_host->programEnvironment(*m_session);
    const QString home = m_session->filePath(QStringLiteral("quintaval"));
    QDir().mkpath(home + QStringLiteral("/config/Quintaval"));
    QFile settings(home + QStringLiteral("/config/Quintaval/Quintaval.conf"));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(QStringLiteral("[General]\n%1\n").arg(preferences).toUtf8());
    settings.close();
    QDir().mkpath(home + QStringLiteral("/runtime"));
    QFile(home + QStringLiteral("/runtime"))
        .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    // The desktop's settings the program reads too (GNOME's colour preference where no portal
    // runs, MATE's panels), which in a real session it shares with the desktop.
    if (const QByteArray shared = m_host->sharedSettings(); !shared.isEmpty()) {
        QDir().mkpath(home + QStringLiteral("/config/glib-2.0/settings"));
        QFile keyfile(home + QStringLiteral("/config/glib-2.0/settings/keyfile"));
        QVERIFY(keyfile.open(QIODevice::WriteOnly));
        keyfile.write(shared);
        keyfile.close();
        environment.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("keyfile"));
    }
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
    environment.insert(QStringLiteral("TZ"), QStringLiteral("Europe/Paris"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    // Preloaded into the program itself; the monotonic clock stays true so its timers keep pace.
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(QUINTAVAL_LIBFAKETIME));
    environment.insert(QStringLiteral("FAKETIME"), QLatin1Char('@') + instant);
    environment.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
    QStringList command = m_host->programUser();
    if (!command.isEmpty()) {
        // Preloaded only once the user has changed: loaded into setpriv it would set up its shared
        // clock as root, out of the program's reach.
        environment.remove(QStringLiteral("LD_PRELOAD"));
        command << QStringLiteral("env") << QStringLiteral("LD_PRELOAD=" QUINTAVAL_LIBFAKETIME);
        commandOutput(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("65534:65534"), home});
    }
    command << QStringLiteral(QUINTAVAL_PROGRAM);
    const QString program = command.takeFirst();
    m_program = m_session->spawn(program, command, environment, QStringLiteral("quintaval"));
    m_sinceStart.start();
    QVERIFY(m_program->waitForStarted());
    m_programServiceName = QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(m_program->processId());
    // Generous: how soon the item shows is measured by its own check, from the start.
    m_programBusName = m_session->waitForBusName(m_programServiceName, 10000);
    QVERIFY2(!m_programBusName.isEmpty(), qPrintable(programErrors()));
}

QString TestRealHosts::programErrors() const
{
    QFile log(m_session->filePath(QStringLiteral("quintaval.log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

QString TestRealHosts::panelWindow() const
{
    const QStringList windows =
        m_session->visibleWindows(QStringLiteral("--name"), panelName, m_host->programDisplay(*m_session));
    return windows.isEmpty() ? QString() : windows.last();
}

std::optional<QRect> TestRealHosts::panel() const
{
    const QString window = panelWindow();
    const auto geometry =
        window.isEmpty() ? std::nullopt : m_session->windowGeometry(window, m_host->programDisplay(*m_session));
    // A window the server cannot place on the screen is not one the user sees.
    if (geometry && !QRect(QPoint(0, 0), m_host->screenSize()).contains(*geometry)) {
        return std::nullopt;
    }
    return geometry;
}

void TestRealHosts::save(const QString& suffix)
{
    const QString folder = QStringLiteral(QUINTAVAL_SCREENS_DIR);
    QDir().mkpath(folder);
    const QString layout = m_host->layout().name.isEmpty() ? QString() : QLatin1Char('-') + m_host->layout().name;
    m_host->screenshot(*m_session)
        .save(folder + QLatin1Char('/') + m_host->name() + layout + suffix + QStringLiteral(".png"));
}

bool TestRealHosts::openPanel()
{
    m_host->activate(*m_session, m_item->item.center());
    return waitUntil([this] { return panel().has_value(); }, 3000);
}

void TestRealHosts::itemShownWithItsTitleAndOneEmoji()
{
    // Looked for a while longer than the 3 s a user waits, so that a slow start fails this check
    // alone and the others still run.
    qint64 shownAfter = -1;
    waitUntil(
        [&] {
            m_item = m_host->item(*m_session);
            // Hosts draw the label and the icon one after the other: shown once both are there.
            const bool shown = m_item.has_value() && m_item->emojis > 0 &&
                               (!m_item->label || (!m_item->label->isEmpty() && title.endsWith(*m_item->label)));
            shownAfter = shown ? m_sinceStart.elapsed() : -1;
            return shown;
        },
        15000, 200);
    save(QString());
    QVERIFY2(m_item.has_value(), qPrintable(QStringLiteral("never shown\n") + programErrors()));
    qInfo("item at %d,%d %dx%d, shown %lld ms after the start", m_item->item.x(), m_item->item.y(),
          m_item->item.width(), m_item->item.height(), shownAfter);
    // Hosts that draw the label read it with or without the emoji, by whether they draw the icon.
    if (m_item->label) {
        QVERIFY2(title.endsWith(*m_item->label), qPrintable(*m_item->label));
    }
    QCOMPARE(m_item->emojis, 1);
    // Timed in the host's own layout: others may draw four times the pixels, by the processor.
    if (m_host->layout().name.isEmpty()) {
        QVERIFY2(shownAfter >= 0 && shownAfter <= 3000,
                 qPrintable(QStringLiteral("shown %1 ms after the start").arg(shownAfter)));
    }
}

void TestRealHosts::activationOpensThePanelUnderTheClick()
{
    QVERIFY(m_item);
    const QPoint click = m_item->item.center();
    QVERIFY2(openPanel(), "no panel after a click on the item");
    QThread::msleep(300);
    save(QStringLiteral("-panel"));
    const QString problem = placementProblem(*panel(), click, m_item->bar);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

// Why the panel at `opened` does not hang from `bar` by the click at `click`; empty when it does.
QString TestRealHosts::placementProblem(const QRect& opened, QPoint click, const QRect& bar) const
{
    // Its distance from the bar, across the bar: 0 where it touches it, below 0 over it. The
    // desktop tells how much room its bars take, on every monitor and at every scale.
    const HostLayout& layout = m_host->layout();
    int gap = 0;
    switch (layout.edge) {
    case Qt::TopEdge:
        gap = opened.top() - (bar.bottom() + 1);
        break;
    case Qt::BottomEdge:
        gap = bar.top() - (opened.bottom() + 1);
        break;
    case Qt::LeftEdge:
        gap = opened.left() - (bar.right() + 1);
        break;
    case Qt::RightEdge:
        gap = bar.left() - (opened.right() + 1);
        break;
    }
    const auto text = [](const QRect& rect) {
        return QStringLiteral("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
    };
    qInfo("panel at %s, bar at %s: %d px from the bar", qPrintable(text(opened)), qPrintable(text(bar)), gap);
    if (gap != 0) {
        return QStringLiteral("%1 px from the bar").arg(gap);
    }
    // Whole, on the bar's monitor.
    const QRect monitor = layout.barMonitorGeometry();
    if (!monitor.contains(opened)) {
        return QStringLiteral("panel at %1 on a monitor at %2").arg(text(opened), text(monitor));
    }
    // Beside the click along the bar, which also covers a panel kept flush with the monitor's
    // edge the click is near (the panel is shorter than the bar).
    const bool besideTheClick = layout.vertical() ? opened.top() <= click.y() && click.y() <= opened.bottom()
                                                  : opened.left() <= click.x() && click.x() <= opened.right();
    if (!besideTheClick) {
        return QStringLiteral("panel at %1, click at %2,%3").arg(text(opened)).arg(click.x()).arg(click.y());
    }
    return {};
}

void TestRealHosts::openPanelHasTheKeyboard()
{
    QVERIFY(m_item);
    if (!panel()) {
        QVERIFY2(openPanel(), "no panel after a click on the item");
    }
    QThread::msleep(300);
    const QRect opened = *panel();
    // The keys typed next are the panel's. The right arrow shows the next day in its header (and
    // nothing else there moves), T comes back to today.
    const QRect header(opened.topLeft(), QSize(opened.width(), 150));
    const QImage today = m_host->screenshot(*m_session).copy(header);
    m_host->key(*m_session, QStringLiteral("Right"));
    const bool stepped = waitUntil([&] { return m_host->screenshot(*m_session).copy(header) != today; }, 2000, 200);
    m_host->key(*m_session, QStringLiteral("t"));
    QVERIFY2(stepped, "the panel did not get the keyboard");
    QVERIFY(waitUntil([&] { return m_host->screenshot(*m_session).copy(header) == today; }, 2000, 200));
}

void TestRealHosts::panelCloses_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::newRow("Escape") << QStringLiteral("escape");
    QTest::newRow("click outside") << QStringLiteral("outside");
    QTest::newRow("second click on the item") << QStringLiteral("item");
}

void TestRealHosts::panelCloses()
{
    QFETCH(QString, gesture);
    QVERIFY(m_item);
    if (!panel()) {
        QThread::msleep(reopenPauseMs);
        QVERIFY2(openPanel(), "no panel after a click on the item");
    }
    QThread::msleep(300);
    const QRect opened = *panel();
    if (gesture == QLatin1String("escape")) {
        m_host->key(*m_session, QStringLiteral("Escape"));
    } else if (gesture == QLatin1String("outside")) {
        // Half way down the screen, on the side away from the panel.
        const int x = opened.center().x() > m_host->screenSize().width() / 2 ? 100 : m_host->screenSize().width() - 100;
        m_host->click(*m_session, QPoint(x, m_host->screenSize().height() / 2), 1);
    } else {
        m_host->click(*m_session, m_item->item.center(), 1);
    }
    QVERIFY2(waitUntil([this] { return !panel().has_value(); }, 3000), "the panel stayed open");
    QThread::msleep(reopenPauseMs);
}

void TestRealHosts::rightClickShowsTheMenu()
{
    QVERIFY(m_item);
    m_host->click(*m_session, m_item->item.center(), 3);
    const bool shown = waitUntil([this] { return m_host->menuShown(*m_session); }, 3000);
    save(QStringLiteral("-menu"));
    QVERIFY2(shown, "no menu after a right click on the item");
    QVERIFY2(!panel(), "the panel opened instead of the menu");
    // The host drew what it asked our menu object for.
    const QRegularExpression layoutCall(
        QStringLiteral("method call .*destination=(%1|%2) .*member=GetLayout")
            .arg(QRegularExpression::escape(m_programBusName), QRegularExpression::escape(m_programServiceName)));
    QVERIFY2(layoutCall.match(m_session->busTraffic()).hasMatch(), "the host never read our menu");
    // Put away as a user would: Escape, or where the menu does not take the keyboard, a click on
    // the empty desktop.
    m_host->key(*m_session, QStringLiteral("Escape"));
    if (!waitUntil([this] { return !m_host->menuShown(*m_session); }, 1500)) {
        m_host->click(*m_session, QPoint(100, m_host->screenSize().height() / 2), 1);
    }
    QVERIFY(waitUntil([this] { return !m_host->menuShown(*m_session); }, 3000));
}

void TestRealHosts::settingsWindowCarriesTheProgramsIdentity()
{
    QVERIFY(m_item);
    QThread::msleep(reopenPauseMs);
    QVERIFY2(openPanel(), "no panel after a click on the item");
    QThread::msleep(300);
    // The footer's settings button: 20 px square, second from the right, 12 px from the right
    // edge and 8 px from the bottom, 6 px from its neighbour.
    const QRect opened = *panel();
    m_host->click(*m_session, QPoint(opened.right() + 1 - 12 - 26 - 10, opened.bottom() + 1 - 8 - 10), 1);
    const QString display = m_host->programDisplay(*m_session);
    QStringList windows;
    QVERIFY2(waitUntil(
                 [&] {
                     windows = m_session->visibleWindows(QStringLiteral("--name"),
                                                         QStringLiteral("^Quintaval Settings"), display);
                     return !windows.isEmpty();
                 },
                 5000),
             "no settings window");
    QThread::msleep(500);
    save(QStringLiteral("-settings"));
    // Asked as the display's user: XWayland admits no other.
    const QString name = m_session->onDisplay(display, QStringLiteral("xprop"),
                                              {QStringLiteral("-id"), windows.last(), QStringLiteral("_NET_WM_NAME")});
    // The program's own picture in the title bar and the task list, not the generic one.
    const QString icon = m_session->onDisplay(display, QStringLiteral("xprop"),
                                              {QStringLiteral("-id"), windows.last(), QStringLiteral("_NET_WM_ICON")});
    // Closed whatever the checks say: the checks that follow start with none of our windows up.
    m_session->xdotool({QStringLiteral("windowclose"), windows.last()}, display);
    QCOMPARE(name, QStringLiteral("_NET_WM_NAME(UTF8_STRING) = \"Quintaval Settings\""));
    QVERIFY2(icon.contains(QRegularExpression(QStringLiteral("Icon \\(\\d+ x \\d+\\)"))), qPrintable(icon.left(200)));
}

void TestRealHosts::toolTipHoldsTheFullDateAndTime_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("date and time") << QStringLiteral("dateAndTime");
    QTest::newRow("date") << QStringLiteral("date");
    QTest::newRow("decimal time") << QStringLiteral("decimalTime");
    QTest::newRow("day number") << QStringLiteral("dayNumber");
}

void TestRealHosts::toolTipHoldsTheFullDateAndTime()
{
    // Where the bar shows no text the tooltip is how the date is read without a click: what the
    // host receives holds the date and the time, whatever the title shows.
    QFETCH(QString, format);
    if (!m_host->showsToolTips()) {
        QSKIP("this host shows no tooltips");
    }
    m_session->end(m_program);
    startProgram(QStringLiteral("menuBarFormat=") + format);
    // The last one the host read: the first may come before the program's first tick.
    const auto holdsDateAndTime = [](const QString& toolTip) {
        return toolTip.contains(QStringLiteral("15 Frimaire")) && toolTip.contains(QStringLiteral("4:44"));
    };
    QStringList toolTips;
    waitUntil(
        [&] {
            toolTips = toolTipsSent();
            return !toolTips.isEmpty() && holdsDateAndTime(toolTips.last());
        },
        8000, 250);
    QVERIFY2(!toolTips.isEmpty(), "the host never read the tooltip");
    QVERIFY2(holdsDateAndTime(toolTips.last()), qPrintable(toolTips.last()));
    if (QTest::currentDataTag() == QLatin1String("decimal time")) {
        // As the user sees it, over the item, once the host has drawn the restarted program's item.
        QVERIFY(waitUntil(
            [&] {
                m_item = m_host->item(*m_session);
                return m_item.has_value();
            },
            3000));
        m_session->xdotool({QStringLiteral("mousemove"), QString::number(m_item->item.center().x()),
                            QString::number(m_item->item.center().y())});
        QThread::msleep(1500);
        save(QStringLiteral("-tooltip"));
        m_session->xdotool({QStringLiteral("mousemove"), QStringLiteral("600"), QStringLiteral("400")});
    }
}

// The tooltips (title and text) the running program gave the host, oldest first, as the bus
// carried them.
QStringList TestRealHosts::toolTipsSent() const
{
    // A method return from the program holding the ToolTip property: icon name, pictures, title,
    // text (which runs over several lines).
    const QRegularExpression toolTip(
        QStringLiteral("^method return [^\\n]*sender=%1 [^\\n]*\\n(?:[ \\t][^\\n]*\\n)*?[ \\t]+string \"ToolTip\"\\n"
                       "[ \\t]+variant[ \\t]+struct \\{\\n[ \\t]+string \"[^\\n]*\"\\n[ \\t]+array \\[\\n"
                       "(?:[ \\t][^\\n]*\\n)*?[ \\t]+\\]\\n[ \\t]+string \"([^\\n]*)\"\\n[ \\t]+string \"([^\"]*)\"")
            .arg(QRegularExpression::escape(m_programBusName)),
        QRegularExpression::MultilineOption);
    QStringList found;
    for (auto match = toolTip.globalMatch(m_session->busTraffic()); match.hasNext();) {
        const auto next = match.next();
        found.append(next.captured(1) + QLatin1Char('\n') + next.captured(2));
    }
    return found;
}

void TestRealHosts::everyCallOfTheHostIsAnswered()
{
    // A method or object we do not know, answered to the host: a call it makes that we ignore.
    // (Properties.GetAll on an interface without properties may fail: that is the protocol.)
    const QRegularExpression error(
        QStringLiteral("^error .*sender=%1 .*error_name=org.freedesktop.DBus.Error.Unknown(Method|Object) .*\\n.*$")
            .arg(QRegularExpression::escape(m_programBusName)),
        QRegularExpression::MultilineOption);
    QStringList errors;
    for (auto match = error.globalMatch(m_session->busTraffic()); match.hasNext();) {
        errors.append(match.next().captured());
    }
    QVERIFY2(errors.isEmpty(), qPrintable(errors.join(QLatin1Char('\n'))));
}

// The title quintaval-title prints now, by the running program's settings.
QString TestRealHosts::titleNow(const QStringList& arguments) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_session->filePath(QStringLiteral("quintaval/config")));
    return commandOutput(QStringLiteral(QUINTAVAL_TITLE_PROGRAM), arguments, nullptr, environment).trimmed();
}

void TestRealHosts::appletShowsTheTitleAndOpensThePanelUnderIt()
{
    // Where the tray draws icons only, our applet draws the title in the bar: the one
    // quintaval-title prints, by the program's settings. It runs on the clock (the program's is
    // faked, the applet's is not), so the title is read before and after each look.
    QVERIFY(m_item);
    if (panel()) {
        m_host->key(*m_session, QStringLiteral("Escape"));
        QVERIFY(waitUntil([this] { return !panel().has_value(); }, 3000));
    }
    const QString home = m_session->filePath(QStringLiteral("quintaval"));
    // As in a session, the applet's commands share the program's settings and runtime folder.
    const QByteArray environment = "#!/bin/sh\nexport XDG_CONFIG_HOME='" + home.toUtf8() +
                                   "/config' XDG_RUNTIME_DIR='" + home.toUtf8() + "/runtime'\nexec ";
    const QHash<QString, QByteArray> programs{
        {QStringLiteral("quintaval-title"), environment + "'" QUINTAVAL_TITLE_PROGRAM "' \"$@\"\n"},
        {QStringLiteral("quintaval"), environment + "'" QUINTAVAL_PROGRAM "' \"$@\"\n"}};
    if (!m_host->addApplet(*m_session, QStringLiteral(QUINTAVAL_PLASMA_APPLET), programs)) {
        QSKIP("this host takes no applet of ours");
    }
    // Its emoji would count as a second item's in the checks that follow.
    const auto removeApplet = qScopeGuard([this] {
        m_host->removeApplet(*m_session);
        waitUntil([this] { return m_host->item(*m_session).value_or(ItemView{}).emojis == 1; }, 5000);
    });
    std::optional<ItemView> shown;
    const auto showsTheTitle = [&] {
        const QString before = titleNow();
        shown = m_host->applet(*m_session, {before, titleNow()});
        return shown.has_value();
    };
    QVERIFY2(waitUntil(showsTheTitle, 15000, 250),
             qPrintable(QStringLiteral("the applet does not show ") + titleNow()));
    qInfo("applet at %d,%d %dx%d: %s", shown->item.x(), shown->item.y(), shown->item.width(), shown->item.height(),
          qPrintable(*shown->label));

    // A new format chosen shows at once, not at the next decimal minute: the whole title, unless
    // it shows already.
    QFile settings(home + QStringLiteral("/config/Quintaval/Quintaval.conf"));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QByteArray chosen = settings.readAll();
    settings.close();
    const QString format = titleNow({QStringLiteral("--format"), QStringLiteral("dateAndTime")}) == *shown->label
                               ? QStringLiteral("date")
                               : QStringLiteral("dateAndTime");
    QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
    settings.write("[General]\nmenuBarFormat=" + format.toUtf8() + '\n');
    settings.close();
    QElapsedTimer sinceChosen;
    sinceChosen.start();
    const bool followed = waitUntil(showsTheTitle, 3000, 100);
    const qint64 followedAfter = sinceChosen.elapsed();
    QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
    settings.write(chosen);
    settings.close();
    QVERIFY2(followed, qPrintable(QStringLiteral("the applet did not take the format %1 in").arg(format)));
    qInfo("%s shown %lld ms after it was chosen: %s", qPrintable(format), followedAfter, qPrintable(*shown->label));
    save(QStringLiteral("-applet"));
    // Back to the format chosen before, and to its width.
    QVERIFY(waitUntil(showsTheTitle, 3000, 100));

    // Its tooltip, read as the pointer comes over it, is the full one (of that moment: every one
    // since is kept, as a decimal minute may end before it is compared).
    const auto toolTipNow = [this] {
        return QJsonDocument::fromJson(titleNow({QStringLiteral("--json")}).toUtf8())
            .object()
            .value(QStringLiteral("tooltip"))
            .toString();
    };
    QStringList toolTips{toolTipNow()};
    m_session->xdotool({QStringLiteral("mousemove"), QString::number(shown->item.center().x()),
                        QString::number(shown->item.center().y())});
    const bool toolTipShown = waitUntil(
        [&] {
            const bool seen = showsTheTitle();
            toolTips << toolTipNow();
            return seen && toolTips.contains(shown->description);
        },
        3000, 100);
    QThread::msleep(500);
    save(QStringLiteral("-applet-tooltip"));
    QVERIFY2(toolTipShown,
             qPrintable(QStringLiteral("tooltip \"%1\", not \"%2\"").arg(shown->description, toolTips.last())));

    // A click opens the panel under the applet, away from where the tray's item was last clicked.
    const QPoint click = shown->item.center();
    m_host->click(*m_session, click, 1);
    QVERIFY2(waitUntil([this] { return panel().has_value(); }, 5000), "no panel after a click on the applet");
    QThread::msleep(300);
    save(QStringLiteral("-applet-panel"));
    const QString problem = placementProblem(*panel(), click, shown->bar);
    // A second click closes it, as on the tray's item, and does not open it again.
    m_host->click(*m_session, click, 1);
    const bool closed = waitUntil([this] { return !panel().has_value(); }, 3000);
    const bool reopened = closed && waitUntil([this] { return panel().has_value(); }, 1500);
    if (panel()) {
        m_host->key(*m_session, QStringLiteral("Escape"));
    }
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY2(closed && !reopened, closed ? "the panel opened again" : "a second click left the panel open");
}

void TestRealHosts::barRestartBringsTheItemBackOnce()
{
    QVERIFY(m_item);
    const QString display = m_host->programDisplay(*m_session);
    const QString pid = QString::number(m_program->processId());
    if (panel()) {
        // Open, the panel is what the watch below would see: a watch blind to it would prove nothing.
        QVERIFY(!m_session->visibleWindows(QStringLiteral("--pid"), pid, display).isEmpty());
        m_host->key(*m_session, QStringLiteral("Escape"));
        QVERIFY(waitUntil([this] { return !panel().has_value(); }, 3000));
    }
    // Watched from outside the test, ten times a second through the whole restart: any window of
    // ours the X server maps, by its process or its title.
    const QString search = QStringLiteral("xdotool search --onlyvisible");
    QProcess* watch = m_session->spawnOnDisplay(
        display, QStringLiteral("sh"),
        {QStringLiteral("-c"), QStringLiteral("while :; do %1 --pid %2; %1 --name '%3'; sleep 0.1; done 2>/dev/null")
                                   .arg(search, pid, ourTitles)},
        QStringLiteral("our-windows"));
    // Windows an earlier check left up are not the restart's.
    const QStringList before = m_session->visibleWindows(QStringLiteral("--pid"), pid, display) +
                               m_session->visibleWindows(QStringLiteral("--name"), ourTitles, display);
    QElapsedTimer sinceRestart;
    sinceRestart.start();
    if (!m_host->restartBar(*m_session)) {
        m_session->end(watch);
        QSKIP("this host's bar cannot restart while the session goes on");
    }
    const qint64 gone = sinceRestart.elapsed();
    const bool returned = !m_session->waitForBusName(watcherName, 60000).isEmpty();
    const qint64 back = sinceRestart.elapsed();
    qint64 shown = -1;
    waitUntil(
        [&] {
            m_item = m_host->item(*m_session);
            const bool itemShown = m_item.has_value() && m_item->emojis > 0 &&
                                   (!m_item->label || (!m_item->label->isEmpty() && title.endsWith(*m_item->label)));
            shown = itemShown ? sinceRestart.elapsed() : -1;
            return itemShown;
        },
        15000, 100);
    // A second registration would show by now. In the host's own layout the watch also outlasts the
    // grace the program gives a bar that went: a fallback that came anyway would be seen.
    QThread::msleep(1000);
    if (m_host->layout().name.isEmpty()) {
        QTest::qWait(static_cast<int>(std::max<qint64>(0, gone + 11000 - sinceRestart.elapsed())));
    }
    const auto settled = m_host->item(*m_session);
    m_session->end(watch);
    QStringList seen = m_session->log(QStringLiteral("our-windows")).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    seen.removeDuplicates();
    for (const QString& window : before) {
        seen.removeAll(window);
    }
    const QString windows = seen.join(QLatin1Char(' '));
    qInfo("bar gone after %lld ms, back after %lld ms; item shown %lld ms after its return; windows of ours seen: %s",
          gone, back, shown < 0 ? -1 : shown - back, windows.isEmpty() ? "none" : qPrintable(windows));
    save(QStringLiteral("-restarted"));
    QVERIFY2(returned, "the bar did not come back");
    QVERIFY2(windows.isEmpty(), qPrintable(QStringLiteral("windows of ours: ") + windows));
    QVERIFY2(shown >= 0, qPrintable(QStringLiteral("the item did not come back\n") + programErrors()));
    QVERIFY2(shown - back <= 5000, qPrintable(QStringLiteral("item back %1 ms after the bar").arg(shown - back)));
    QVERIFY(settled.has_value());
    QCOMPARE(settled->emojis, 1);
    QCOMPARE(registrations(), 1);
    m_item = settled;
}

void TestRealHosts::panelFollowsTheDarkDesktop()
{
    if (!m_host->layout().dark) {
        QSKIP("this layout's desktop has no dark preference");
    }
    QVERIFY(m_item);
    if (!panel()) {
        QThread::msleep(reopenPauseMs);
        QVERIFY2(openPanel(), "no panel after a click on the item");
    }
    QThread::msleep(300);
    save(QStringLiteral("-panel"));
    // The panel's own background, on the whole: sepia night is dark, light parchment is not.
    const QImage shown = m_host->screenshot(*m_session).copy(*panel());
    qint64 grey = 0;
    for (int y = 0; y < shown.height(); y += 4) {
        for (int x = 0; x < shown.width(); x += 4) {
            grey += qGray(shown.pixel(x, y));
        }
    }
    const qint64 average = grey / (((shown.height() + 3) / 4) * ((shown.width() + 3) / 4));
    qInfo("panel's average grey %lld", average);
    QVERIFY2(average < 100, qPrintable(QStringLiteral("a light panel (grey %1) on a dark desktop").arg(average)));
}

// How many times the watcher lists the running program's item.
int TestRealHosts::registrations() const
{
    QDBusInterface watcher(watcherName, QStringLiteral("/StatusNotifierWatcher"),
                           QStringLiteral("org.freedesktop.DBus.Properties"));
    const QDBusMessage reply =
        watcher.call(QStringLiteral("Get"), watcherName, QStringLiteral("RegisteredStatusNotifierItems"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return -1;
    }
    int count = 0;
    for (const QString& item : qvariant_cast<QDBusVariant>(reply.arguments().first()).variant().toStringList()) {
        count += item.startsWith(m_programBusName) || item.startsWith(m_programServiceName) ? 1 : 0;
    }
    return count;
}

void TestRealHosts::droppedItemIsReportedAndFallsBack()
{
    if (!m_host->dropItem(*m_session)) {
        QSKIP("this host cannot drop an item");
    }
    // A bar that goes may be restarting: it has ten seconds to come back. Then one line says why the
    // item is gone, and the program falls back to a tray icon where there is a tray, but never puts
    // a window up by itself.
    QVERIFY2(waitUntil([this] { return programErrors().contains(QStringLiteral("quintaval: ")); }, 20000),
             "nothing on standard error after the host dropped the item");
    if (m_host->keepsATray()) {
        QVERIFY2(waitUntil([this] { return m_host->fallbackShown(*m_session); }, 5000), qPrintable(programErrors()));
    }
    QVERIFY2(!waitUntil([this] { return panel().has_value(); }, 2000), "the panel opened by itself");
    save(QStringLiteral("-dropped"));
    QCOMPARE(m_program->state(), QProcess::Running);
}

// XFCE's generic monitor plugin running quintaval-title --genmon before the tray: the panel
// draws the title, its emoji and its words, and a click on them opens the program's panel.
void TestRealHosts::genmonShowsTheTitle()
{
    if (m_host->layout().genmon.isEmpty()) {
        QSKIP("no generic monitor in this layout");
    }
    if (!QFileInfo::exists(QStringLiteral("/usr/lib/" MULTIARCH "/xfce4/panel/plugins/libgenmon.so"))) {
        QSKIP("xfce4-genmon-plugin is not installed");
    }
    // The monitor's emoji, then its words up to the tray's icon: the columns with ink on the
    // panel's background between the two.
    QRect words;
    waitUntil(
        [&] {
            const auto shown = m_host->item(*m_session);
            const QImage screen = m_host->screenshot(*m_session);
            const QList<QRect> marks = shown ? emojiMarks(screen, shown->bar) : QList<QRect>();
            if (marks.size() != 2) {
                return false;
            }
            const QRgb background = screen.pixel(shown->bar.left() + 4, shown->bar.center().y());
            words = QRect();
            for (int x = marks.first().right() + 1; x < marks.last().left(); ++x) {
                for (int y = shown->bar.top(); y <= shown->bar.bottom(); ++y) {
                    if (std::abs(qGray(screen.pixel(x, y)) - qGray(background)) > 80) {
                        words |= QRect(x, y, 1, 1);
                    }
                }
            }
            // "15 Frimaire · Quintidi · 4:44" in the panel's font is well over 150 px; a label of
            // the plugin's own, or the emoji alone, is not.
            return words.width() > 150;
        },
        15000, 200);
    save(QString());
    QVERIFY2(words.width() > 150, qPrintable(QStringLiteral("%1 px of words").arg(words.width())));

    m_host->click(*m_session, words.center(), 1);
    QVERIFY2(waitUntil([this] { return panel().has_value(); }, 5000),
             "no panel after a click on the monitor's text\n" + programErrors().toUtf8());
    QThread::msleep(300);
    save(QStringLiteral("-panel"));
}

QTEST_GUILESS_MAIN(TestRealHosts)
#include "TestRealHosts.moc"
