// SPDX-License-Identifier: GPL-3.0-or-later
// The real program in the real status bars people use (GNOME Shell, MATE, XFCE, sway with
// waybar, KDE Plasma), headless, at a fixed instant. Each host is read through its own eyes: the
// shell's actors, the panel's windows, the screen. A status bar of our own would share our
// reading of the protocol; these do not. One host per run, named by QUINTAVAL_HOST.

#include "tests/hosts/DesktopHosts.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

namespace {

// 15 Frimaire an CCXXXV; the decimal minute 4:44 runs from 10:39:21.6 to 10:40:48.
const QString instant = QStringLiteral("2026-12-07 10:39:30");
const QString title = QStringLiteral("🥶 15 Frimaire · Quintidi · 4:44");
const QString panelName = QStringLiteral("^Quintaval$");
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
    void droppedItemIsReportedAndFallsBack();

private:
    void startProgram(const QString& preferences = {});
    QStringList toolTipsSent() const;
    QString programErrors() const;
    std::optional<QRect> panel() const;
    QString panelWindow() const;
    void save(const QString& suffix);
    bool openPanel();

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
    m_host = desktopHost(name);
    QVERIFY2(m_host, qPrintable(QStringLiteral("unknown host \"%1\"").arg(name)));
    for (const QString& program : m_host->programs()) {
        if (QStandardPaths::findExecutable(program).isEmpty()) {
            QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(program)));
        }
    }
    m_session = std::make_unique<DesktopSession>();
    QVERIFY(m_session->startScreen(m_host->screenSize()));
    QVERIFY(m_session->startBusMonitor());
    QVERIFY2(m_host->start(*m_session), "the host did not put its status notifier watcher on the bus");
    startProgram();
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
    m_programBusName = m_session->waitForBusName(m_programServiceName, 5000);
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
    m_host->screenshot(*m_session).save(folder + QLatin1Char('/') + m_host->name() + suffix + QStringLiteral(".png"));
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
    QVERIFY2(shownAfter >= 0 && shownAfter <= 3000,
             qPrintable(QStringLiteral("shown %1 ms after the start").arg(shownAfter)));
}

void TestRealHosts::activationOpensThePanelUnderTheClick()
{
    QVERIFY(m_item);
    const QPoint click = m_item->item.center();
    QVERIFY2(openPanel(), "no panel after a click on the item");
    QThread::msleep(300);
    const QRect opened = *panel();
    save(QStringLiteral("-panel"));

    const QRect bar = m_item->bar;
    const bool barOnTop = bar.center().y() < m_host->screenSize().height() / 2;
    const int gap = barOnTop ? opened.top() - (bar.bottom() + 1) : bar.top() - (opened.bottom() + 1);
    // Never over the bar; a few pixels off it where the desktop does not say how tall the bar is.
    QVERIFY2(gap >= 0 && gap <= 6, qPrintable(QStringLiteral("panel at %1,%2 %3x%4, bar bottom %5")
                                                  .arg(opened.x())
                                                  .arg(opened.y())
                                                  .arg(opened.width())
                                                  .arg(opened.height())
                                                  .arg(bar.bottom())));
    // Under the click, which also covers a panel kept flush with the screen edge the click is
    // near (the panel is narrower than the screen).
    QVERIFY2(
        opened.left() <= click.x() && click.x() <= opened.right() && opened.left() >= 0 &&
            opened.right() < m_host->screenSize().width(),
        qPrintable(QStringLiteral("panel %1..%2, click at %3").arg(opened.left()).arg(opened.right()).arg(click.x())));
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
    QCOMPARE(name, QStringLiteral("_NET_WM_NAME(UTF8_STRING) = \"Quintaval Settings\""));
    // The program's own picture in the title bar and the task list, not the generic one.
    const QString icon = m_session->onDisplay(display, QStringLiteral("xprop"),
                                              {QStringLiteral("-id"), windows.last(), QStringLiteral("_NET_WM_ICON")});
    QVERIFY2(icon.contains(QRegularExpression(QStringLiteral("Icon \\(\\d+ x \\d+\\)"))), qPrintable(icon.left(200)));
    m_session->xdotool({QStringLiteral("windowclose"), windows.last()}, display);
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

QTEST_GUILESS_MAIN(TestRealHosts)
#include "TestRealHosts.moc"
