// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/hosts/DesktopHosts.h"

#include <QColor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <sys/types.h>

namespace {

const QString watcherName = QStringLiteral("org.kde.StatusNotifierWatcher");
constexpr int hostStartMs = 30000;

bool writeFile(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

// A private home for a host, so that no setting of the machine's user reaches it.
QProcessEnvironment hostEnvironment(DesktopSession& session, const QString& host)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString home = session.filePath(host);
    QDir().mkpath(home + QStringLiteral("/runtime"));
    QFile(home + QStringLiteral("/runtime"))
        .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
    environment.insert(QStringLiteral("DISPLAY"), session.display());
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return environment;
}

// Starts the session services whose names match, as their service files say. The test's bus
// starts nothing on demand (nothing of the machine's other desktops must wake up and outlive
// the test), so a host's helpers are started here, before the host asks for them.
QList<QProcess*> startServices(DesktopSession& session, const QString& names, const QProcessEnvironment& environment)
{
    QList<QProcess*> started;
    for (const QFileInfo& service :
         QDir(QStringLiteral("/usr/share/dbus-1/services")).entryInfoList({names + QStringLiteral(".service")})) {
        QFile file(service.filePath());
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("Exec="))) {
                QStringList command = line.mid(5).trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
                started.append(session.spawn(command.takeFirst(), command, environment));
            }
        }
    }
    return started;
}

// The item as the emoji marks in a bar show it: hosts that draw only pictures (or text we
// cannot read back) are seen this way.
std::optional<ItemView> itemInBar(const QImage& screen, const QRect& bar, Qt::Orientation along)
{
    const QList<QRect> marks = emojiMarks(screen, bar, along);
    if (marks.isEmpty()) {
        return std::nullopt;
    }
    const QRect item =
        along == Qt::Horizontal ? marks.first().adjusted(-2, 0, 2, 0) : marks.first().adjusted(0, -2, 0, 2);
    return ItemView{item, bar, static_cast<int>(marks.size()), std::nullopt};
}

// The bar along the layout's edge of its monitor: the longest visible window of a host touching
// that edge, thin across it.
std::optional<QRect> edgeBar(DesktopSession& session, const QString& windowClass, const HostLayout& layout)
{
    const QRect monitor = layout.barMonitorGeometry();
    const auto touches = [&](const QRect& window) {
        switch (layout.edge) {
        case Qt::TopEdge:
            return window.top() == monitor.top();
        case Qt::BottomEdge:
            return window.bottom() == monitor.bottom();
        case Qt::LeftEdge:
            return window.left() == monitor.left();
        case Qt::RightEdge:
            return window.right() == monitor.right();
        }
        return false;
    };
    const auto thickness = [&](const QRect& window) { return layout.vertical() ? window.width() : window.height(); };
    const auto length = [&](const QRect& window) { return layout.vertical() ? window.height() : window.width(); };
    const int thinnerThan = (layout.vertical() ? monitor.width() : monitor.height()) / 4;
    std::optional<QRect> bar;
    for (const QString& id : session.visibleWindows(QStringLiteral("--class"), windowClass)) {
        const auto geometry = session.windowGeometry(id);
        if (!geometry || !monitor.contains(geometry->center()) || thickness(*geometry) > thinnerThan ||
            !touches(*geometry)) {
            continue;
        }
        if (!bar || length(*geometry) > length(*bar)) {
            bar = geometry;
        }
    }
    return bar;
}

// A menu the host draws in a window of its own (which may overlap the bar): neither the bar nor
// the desktop.
bool hostMenuWindow(DesktopSession& session, const QString& windowClass, QSize screen, const QRect& bar)
{
    for (const QString& id : session.visibleWindows(QStringLiteral("--class"), windowClass)) {
        const auto geometry = session.windowGeometry(id);
        if (geometry && *geometry != bar && geometry->height() > 40 && geometry->width() < screen.width() / 2) {
            return true;
        }
    }
    return false;
}

// Reads the accessibility tree that the session's programs publish on the AT-SPI bus, as a
// screen reader does.
class AccessibilityBus
{
public:
    struct Found
    {
        QString name;
        QString description;
        QRect extents;
    };

    // The first object of `application` named one of `names`, with its place on the screen.
    static std::optional<Found> find(const QString& application, const QStringList& names)
    {
        const QDBusMessage address = QDBusConnection::sessionBus().call(
            QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                           QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")));
        if (address.type() != QDBusMessage::ReplyMessage || address.arguments().isEmpty()) {
            return std::nullopt;
        }
        const QDBusConnection bus =
            QDBusConnection::connectToBus(address.arguments().first().toString(), QStringLiteral("accessibility"));
        // Breadth first from the desktop's root, which lists the applications; bounded, as a
        // tree that grows while it is read could be endless.
        QList<Node> queue;
        for (const Node& candidate : children(
                 bus, {QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("/org/a11y/atspi/accessible/root")})) {
            if (text(bus, candidate, QStringLiteral("Name")) == application) {
                queue.append(candidate);
            }
        }
        for (int read = 0; read < queue.size() && read < 5000; ++read) {
            const Node node = queue.at(read);
            const QString nodeName = text(bus, node, QStringLiteral("Name"));
            if (read > 0 && names.contains(nodeName)) {
                return Found{nodeName, text(bus, node, QStringLiteral("Description")), extents(bus, node)};
            }
            queue.append(children(bus, node));
        }
        return std::nullopt;
    }

private:
    struct Node
    {
        QString service;
        QString path;
    };

    static QDBusMessage call(const QDBusConnection& bus, const Node& node, const QString& interface,
                             const QString& method, const QVariantList& arguments = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(node.service, node.path, interface, method);
        message.setArguments(arguments);
        return bus.call(message, QDBus::Block, 2000);
    }

    static QList<Node> children(const QDBusConnection& bus, const Node& node)
    {
        const QDBusMessage reply =
            call(bus, node, QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("GetChildren"));
        QList<Node> found;
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            return found;
        }
        const QDBusArgument list = reply.arguments().first().value<QDBusArgument>();
        list.beginArray();
        while (!list.atEnd()) {
            Node child;
            QDBusObjectPath path;
            list.beginStructure();
            list >> child.service >> path;
            list.endStructure();
            child.path = path.path();
            found.append(child);
        }
        list.endArray();
        return found;
    }

    static QString text(const QDBusConnection& bus, const Node& node, const QString& property)
    {
        const QDBusMessage reply = call(bus, node, QStringLiteral("org.freedesktop.DBus.Properties"),
                                        QStringLiteral("Get"), {QStringLiteral("org.a11y.atspi.Accessible"), property});
        return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
                   ? qvariant_cast<QDBusVariant>(reply.arguments().first()).variant().toString()
                   : QString();
    }

    static QRect extents(const QDBusConnection& bus, const Node& node)
    {
        // In screen coordinates (ATSPI_COORD_TYPE_SCREEN).
        const QDBusMessage reply = call(bus, node, QStringLiteral("org.a11y.atspi.Component"),
                                        QStringLiteral("GetExtents"), {QVariant::fromValue(0u)});
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            return {};
        }
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
        const QDBusArgument box = reply.arguments().first().value<QDBusArgument>();
        box.beginStructure();
        box >> x >> y >> width >> height;
        box.endStructure();
        return {x, y, width, height};
    }
};

// A host whose bar and menus are X windows of its own class, and whose item is seen on the screen.
class WindowedBarHost : public DesktopHost
{
public:
    // The classes of the bar's windows and of the menus' windows (which may come from a helper
    // process), as patterns.
    WindowedBarHost(HostLayout layout, QString barClass, QString menuClass = {})
        : DesktopHost(std::move(layout)), m_class(std::move(barClass)),
          m_menuClass(menuClass.isEmpty() ? m_class : std::move(menuClass))
    {}

    std::optional<ItemView> item(DesktopSession& session) override
    {
        m_bar = edgeBar(session, m_class, m_layout);
        return m_bar ? itemInBar(screenshot(session), *m_bar, m_layout.vertical() ? Qt::Vertical : Qt::Horizontal)
                     : std::nullopt;
    }

    bool menuShown(DesktopSession& session) override
    {
        return m_bar && hostMenuWindow(session, m_menuClass, screenSize(), *m_bar);
    }

    // The panel process holds the watcher: ended, it drops every item, as a crashed panel would.
    bool dropItem(DesktopSession& session) override
    {
        endPanel(session);
        return true;
    }

    bool restartBar(DesktopSession& session) override
    {
        endPanel(session);
        if (!waitUntil([&] { return session.waitForBusName(watcherName, 0).isEmpty(); }, 5000)) {
            return false;
        }
        m_panel = startPanel(session);
        return m_panel->state() == QProcess::Running;
    }

protected:
    // Starts the panel itself, the rest of the host being up, and ends it.
    virtual QProcess* startPanel(DesktopSession& session) = 0;
    virtual void endPanel(DesktopSession& session) { session.end(m_panel); }

    QProcess* m_panel = nullptr;

private:
    QString m_class;
    QString m_menuClass;
    std::optional<QRect> m_bar;
};

// xfce4-panel 4.18 with one panel (a spacer, then the status tray at its end) along the layout's
// edge, and xfwm4 managing the windows.
class XfceHost final : public WindowedBarHost
{
public:
    // The tray runs in the panel's plug-in wrapper, which draws its menus.
    explicit XfceHost(HostLayout layout)
        : WindowedBarHost(std::move(layout), QStringLiteral("^xfce4-panel$"),
                          QStringLiteral("^(xfce4-panel|wrapper-2.0)$"))
    {}

    QString name() const override { return QStringLiteral("xfce"); }
    QStringList programs() const override { return {QStringLiteral("xfce4-panel"), QStringLiteral("xfwm4")}; }

    bool start(DesktopSession& session) override
    {
        m_environment = hostEnvironment(session, name());
        const QString channels = m_environment.value(QStringLiteral("XDG_CONFIG_HOME")) +
                                 QStringLiteral("/xfce4/xfconf/xfce-perchannel-xml/");
        // Snapped to the top left (6), bottom left (8), or left top (5) of its monitor, the first
        // one GTK sees: the only one with an output.
        const int snap = m_layout.edge == Qt::BottomEdge ? 8 : m_layout.vertical() ? 5 : 6;
        const int mode = m_layout.vertical() ? 1 : 0;
        const int size = m_layout.barThickness > 0 ? m_layout.barThickness : 28;
        // The generic monitor, where the layout has one, goes between the spacer and the tray.
        const bool genmon = !m_layout.genmon.isEmpty();
        const QString genmonId = genmon ? QStringLiteral("\n        <value type=\"int\" value=\"3\"/>") : QString();
        const QString genmonPlugin =
            genmon ? QStringLiteral("\n    <property name=\"plugin-3\" type=\"string\" value=\"genmon\"/>") : QString();
        writeFile(channels + QStringLiteral("xfce4-panel.xml"), QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=%1;x=0;y=0"/>
      <property name="mode" type="uint" value="%2"/>
      <property name="output-name" type="string" value="monitor-0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="%3"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>%4
        <value type="int" value="2"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="separator">
      <property name="expand" type="bool" value="true"/>
      <property name="style" type="uint" value="0"/>
    </property>
    <property name="plugin-2" type="string" value="systray"/>%5
  </property>
</channel>
)")
                                                                    .arg(snap)
                                                                    .arg(mode)
                                                                    .arg(size)
                                                                    .arg(genmonId, genmonPlugin)
                                                                    .toUtf8());
        // The plugin keeps its settings in an rc file of its own: the command, no label of its own
        // before the text, and a period of 10 s, as the manual page suggests. A click on the text
        // runs `quintaval`, which must find the running program: the build's, through its socket
        // in the runtime folder the test gives it.
        if (genmon) {
            writeFile(
                m_environment.value(QStringLiteral("XDG_CONFIG_HOME")) + QStringLiteral("/xfce4/panel/genmon-3.rc"),
                QStringLiteral("Command=%1\nUseLabel=0\nText=\nUpdatePeriod=10000\n").arg(m_layout.genmon).toUtf8());
            const QString runtime = session.filePath(QStringLiteral("quintaval/runtime"));
            QDir().mkpath(runtime);
            QFile(runtime).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
            m_environment.insert(QStringLiteral("PATH"), QFileInfo(QStringLiteral(QUINTAVAL_PROGRAM)).path() +
                                                             QLatin1Char(':') +
                                                             m_environment.value(QStringLiteral("PATH")));
        }
        // The settings daemon reads the panel's layout from the private home above.
        const QString xfconfd = QStringLiteral("/usr/lib/%1/xfce4/xfconf/xfconfd").arg(QStringLiteral(MULTIARCH));
        session.spawn(xfconfd, {}, m_environment);
        if (session.waitForBusName(QStringLiteral("org.xfce.Xfconf"), hostStartMs).isEmpty()) {
            return false;
        }
        session.spawn(QStringLiteral("xfwm4"), {QStringLiteral("--compositor=off")}, m_environment);
        m_panel = startPanel(session);
        return !session.waitForBusName(watcherName, hostStartMs).isEmpty();
    }

protected:
    QProcess* startPanel(DesktopSession& session) override
    {
        return session.spawn(QStringLiteral("xfce4-panel"), {}, m_environment);
    }

private:
    QProcessEnvironment m_environment;
};

// GNOME Shell 43 with the AppIndicator extension, read through org.gnome.Shell.Eval (open only
// in unsafe mode, which a test-only extension sets). On X11 it replaces the window manager of
// the virtual screen, at the layout's scale; on Wayland it runs headless on a virtual monitor,
// the program through XWayland, and the pointer and keys go in through a virtual input device of
// the shell's own.
class GnomeHost final : public DesktopHost
{
public:
    GnomeHost(HostLayout layout, bool wayland) : DesktopHost(std::move(layout)), m_wayland(wayland) {}

    QString name() const override { return m_wayland ? QStringLiteral("gnome-wayland") : QStringLiteral("gnome-x11"); }
    QStringList programs() const override { return {QStringLiteral("gnome-shell")}; }
    // The extension draws no tooltip (and reads the property only with the others).
    bool showsToolTips() const override { return false; }

    bool start(DesktopSession& session) override
    {
        QProcessEnvironment& environment = m_environment;
        environment = hostEnvironment(session, name());
        const QString home = environment.value(QStringLiteral("HOME"));
        const QString extensions = home + QStringLiteral("/data/gnome-shell/extensions/");
        const QString testExtension = QStringLiteral("quintaval-test-eval@quintaval.invalid");
        for (const QString& file : {QStringLiteral("metadata.json"), QStringLiteral("extension.js")}) {
            QDir().mkpath(extensions + testExtension);
            QFile::copy(QStringLiteral(QUINTAVAL_HOSTS_DATA "/gnome-extension/") + file,
                        extensions + testExtension + QLatin1Char('/') + file);
        }
        // Settings from a key file of this home, so that no dconf of the machine's user counts.
        environment.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("keyfile"));
        writeFile(home + QStringLiteral("/config/glib-2.0/settings/keyfile"),
                  "[org/gnome/shell]\n"
                  "enabled-extensions=['" +
                      appIndicatorExtension.toUtf8() + "', '" + testExtension.toUtf8() +
                      "']\n"
                      "disable-user-extensions=false\n"
                      "welcome-dialog-last-shown-version='999'\n"
                      "[org/gnome/desktop/interface]\n"
                      "scaling-factor=uint32 " +
                      QByteArray::number(m_layout.scale) + "\n" + gnomeColorScheme(m_layout));
        // An empty system bus of its own: the shell asks it for logind, accounts and the like,
        // and copes with their absence.
        const QString systemBus = home + QStringLiteral("/system_bus_socket");
        session.spawn(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--address=unix:path=") + systemBus},
                      environment);
        if (!waitUntil([&] { return QFile::exists(systemBus); }, 5000)) {
            return false;
        }
        environment.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), QStringLiteral("unix:path=") + systemBus);
        environment.insert(QStringLiteral("XDG_SESSION_TYPE"),
                           m_wayland ? QStringLiteral("wayland") : QStringLiteral("x11"));
        environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
        QStringList arguments;
        if (m_wayland) {
            environment.remove(QStringLiteral("DISPLAY"));
            arguments = {QStringLiteral("--wayland"), QStringLiteral("--headless"), QStringLiteral("--virtual-monitor"),
                         QStringLiteral("%1x%2").arg(screenSize().width()).arg(screenSize().height())};
        } else {
            arguments = {QStringLiteral("--x11"), QStringLiteral("--replace")};
        }
        session.spawn(QStringLiteral("gnome-shell"), arguments, environment);
        if (session.waitForBusName(watcherName, 60000).isEmpty()) {
            return false;
        }
        return shellReady() && (!m_wayland || (findXWayland(session) && createInputDevices()));
    }

    // On X11 a new shell replaces the running one as its window manager, and takes over its
    // names on the bus as the old one quits. Under Wayland the shell is the display server: its
    // end is the session's, XWayland's and the program's with it, so there is no restart to see.
    bool restartBar(DesktopSession& session) override
    {
        if (m_wayland) {
            return false;
        }
        const QString before = session.waitForBusName(watcherName, 0);
        session.spawn(QStringLiteral("gnome-shell"), {QStringLiteral("--x11"), QStringLiteral("--replace")},
                      m_environment);
        return waitUntil([&] { return session.waitForBusName(watcherName, 0) != before; }, 60000, 50);
    }

    QProcessEnvironment programEnvironment(DesktopSession& session) const override
    {
        QProcessEnvironment environment = DesktopHost::programEnvironment(session);
        environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
        if (m_wayland) {
            // As a Wayland session hands it to its programs, with XWayland for X11 ones; the
            // program picks its platform itself.
            environment.insert(QStringLiteral("XAUTHORITY"), m_xauthority);
            environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
            environment.insert(QStringLiteral("WAYLAND_DISPLAY"), m_waylandDisplay);
            environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        }
        return environment;
    }

    QString programDisplay(DesktopSession& session) const override
    {
        return m_wayland ? m_xwaylandDisplay : session.display();
    }

    std::optional<ItemView> item(DesktopSession&) override
    {
        const QJsonObject bar = topBar();
        for (const QJsonValue& value : bar.value(QStringLiteral("items")).toArray()) {
            const QJsonObject indicator = value.toObject();
            if (!isOurItem(indicator)) {
                continue;
            }
            QString label;
            for (const QJsonValue& text : indicator.value(QStringLiteral("labels")).toArray()) {
                label += text.toString();
            }
            const int icons = static_cast<int>(indicator.value(QStringLiteral("icons")).toArray().size());
            const int emojis = icons + static_cast<int>(label.count(QStringLiteral("🥶")));
            return ItemView{rectFrom(indicator.value(QStringLiteral("box"))),
                            rectFrom(bar.value(QStringLiteral("bar"))), emojis, label};
        }
        return std::nullopt;
    }

    QImage screenshot(DesktopSession& session) override
    {
        if (!m_wayland) {
            return session.screenshot();
        }
        const QString path = session.filePath(QStringLiteral("shell-screen.png"));
        QFile::remove(path);
        QDBusInterface shell(QStringLiteral("org.gnome.Shell.Screenshot"),
                             QStringLiteral("/org/gnome/Shell/Screenshot"),
                             QStringLiteral("org.gnome.Shell.Screenshot"));
        shell.call(QStringLiteral("Screenshot"), false, false, path);
        return QImage(path);
    }

    void click(DesktopSession& session, QPoint point, int button) override
    {
        if (!m_wayland) {
            DesktopHost::click(session, point, button);
            return;
        }
        virtualClicks(point, button, 1);
    }

    // The extension opens the item's menu on a click and activates the item on a double click.
    void activate(DesktopSession& session, QPoint point) override
    {
        if (m_wayland) {
            virtualClicks(point, 1, 2);
            return;
        }
        session.xdotool({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y())});
        QThread::msleep(150);
        session.xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
                         QStringLiteral("--delay"), QStringLiteral("80"), QStringLiteral("1")});
    }

    void key(DesktopSession& session, const QString& key) override
    {
        if (!m_wayland) {
            DesktopHost::key(session, key);
            return;
        }
        eval(QStringLiteral("(() => { const d = keyboard(); const t = () => GLib.get_monotonic_time();"
                            "d.notify_keyval(t(), Clutter.KEY_%1, Clutter.KeyState.PRESSED);"
                            "d.notify_keyval(t(), Clutter.KEY_%1, Clutter.KeyState.RELEASED); return true; })()")
                 .arg(key));
        QThread::msleep(150);
    }

    bool menuShown(DesktopSession&) override
    {
        for (const QJsonValue& value : topBar().value(QStringLiteral("items")).toArray()) {
            const QJsonObject indicator = value.toObject();
            if (isOurItem(indicator) && indicator.value(QStringLiteral("menuItems")).toInt() > 0) {
                return indicator.value(QStringLiteral("menuOpen")).toBool();
            }
        }
        return false;
    }

    bool dropItem(DesktopSession&) override
    {
        // The way the extension itself drops an item it cannot show: it destroys the indicator,
        // and its watcher unregisters the item while staying on the bus.
        return eval(QStringLiteral("(() => { for (const [role, i] of Object.entries(Main.panel.statusArea))"
                                   " if (role.startsWith('appindicator-') && i && i._indicator) {"
                                   " i._indicator.destroy(); return true; } return false; })()")) ==
               QLatin1String("true");
    }

    bool keepsATray() const override { return true; }

    bool fallbackShown(DesktopSession&) override
    {
        // The extension also hosts XEmbed tray icons, in the same top bar; and Qt's tray icon,
        // which speaks StatusNotifierItem wherever a watcher runs, comes back as an item of its
        // own (the dropped one is gone).
        for (const QJsonValue& value : topBar().value(QStringLiteral("items")).toArray()) {
            if (value.toObject().value(QStringLiteral("kind")).toString() != QLatin1String("shell")) {
                return true;
            }
        }
        return false;
    }

private:
    const QString appIndicatorExtension = QStringLiteral("ubuntu-appindicators@ubuntu.com");

    // Once the top bar has its size and Eval answers.
    bool shellReady() const
    {
        return waitUntil(
            [&] {
                return eval(QStringLiteral("Main.panel.height > 0 && !Main.overview.visible")) == QLatin1String("true");
            },
            30000, 250);
    }

    static bool isOurItem(const QJsonObject& indicator)
    {
        return indicator.value(QStringLiteral("kind")).toString() == QLatin1String("item");
    }

    // Made before the first use: XWayland loses the first key of a keyboard that appears as
    // the key is typed (the new keymap comes with it).
    bool createInputDevices() const
    {
        return eval(QStringLiteral("(() => { pointer(); keyboard(); return true; })()")) == QLatin1String("true");
    }

    // Clicks through the shell's own virtual pointer: on Wayland no X server sees the top bar.
    void virtualClicks(QPoint point, int button, int count) const
    {
        eval(QStringLiteral("(() => { const d = pointer(); const t = () => GLib.get_monotonic_time();"
                            "d.notify_absolute_motion(t(), %1, %2);"
                            "for (let i = 0; i < %4; ++i) {"
                            " d.notify_button(t(), %3, Clutter.ButtonState.PRESSED);"
                            " d.notify_button(t(), %3, Clutter.ButtonState.RELEASED); } return true; })()")
                 .arg(point.x())
                 .arg(point.y())
                 .arg(button)
                 .arg(count));
        QThread::msleep(150);
    }

    static QRect rectFrom(const QJsonValue& value)
    {
        const QJsonArray box = value.toArray();
        return QRect(box.at(0).toInt(), box.at(1).toInt(), box.at(2).toInt(), box.at(3).toInt());
    }

    // What the shell's JavaScript gives back, in JSON; empty when the call failed.
    QString eval(const QString& script) const
    {
        static const QString prelude =
            QStringLiteral("const { Clutter, GLib, St } = imports.gi; const Main = imports.ui.main;"
                           "const seat = () => Clutter.get_default_backend().get_default_seat();"
                           "const pointer = () => global.__quintavalPointer ?"
                           "?= "
                           "seat().create_virtual_device(Clutter.InputDeviceType.POINTER_DEVICE);"
                           "const keyboard = () => global.__quintavalKeyboard ?"
                           "?= "
                           "seat().create_virtual_device(Clutter.InputDeviceType.KEYBOARD_DEVICE);");
        QDBusInterface shell(QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"),
                             QStringLiteral("org.gnome.Shell"));
        const QDBusMessage reply = shell.call(QStringLiteral("Eval"), prelude + script);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2 ||
            !reply.arguments().at(0).toBool()) {
            return {};
        }
        return reply.arguments().at(1).toString();
    }

    // The top bar and every indicator in it: place, the texts and pictures it shows, its menu.
    QJsonObject topBar() const
    {
        const QString json = eval(QStringLiteral(R"js(
(() => {
    const box = a => { const r = a.get_transformed_extents();
                       return [Math.round(r.get_x()), Math.round(r.get_y()), Math.round(r.get_width()), Math.round(r.get_height())]; };
    const items = [];
    for (const [role, indicator] of Object.entries(Main.panel.statusArea)) {
        const labels = [], icons = [];
        const walk = a => {
            if (!a.visible) return;
            if (a instanceof St.Label && a.text) labels.push(a.text);
            if (a instanceof St.Icon && (a.gicon || a.icon_name)) icons.push(box(a));
            a.get_children().forEach(walk);
        };
        walk(indicator);
        const menu = indicator.menu;
        items.push({ role, kind: !role.startsWith('appindicator-') ? 'shell' : indicator._indicator ? 'item' : 'tray', box: box(indicator.container ?? indicator), labels, icons,
                     menuOpen: !!(menu && menu.isOpen), menuItems: menu ? menu.numMenuItems : 0 });
    }
    return { bar: box(Main.panel), items };
})())js"));
        return QJsonDocument::fromJson(json.toUtf8()).object();
    }

    // The X display the shell started XWayland on, and the authority file it guards it with.
    bool findXWayland(DesktopSession& session)
    {
        const bool found = waitUntil(
            [&] {
                m_xwaylandDisplay = eval(QStringLiteral("GLib.getenv('DISPLAY')")).remove(QLatin1Char('"'));
                m_xauthority = eval(QStringLiteral("GLib.getenv('XAUTHORITY') ?? ''")).remove(QLatin1Char('"'));
                return m_xwaylandDisplay.startsWith(QLatin1Char(':'));
            },
            15000, 250);
        // A full path: the program has a runtime folder of its own.
        m_waylandDisplay = session.filePath(name()) + QStringLiteral("/runtime/") +
                           eval(QStringLiteral("GLib.getenv('WAYLAND_DISPLAY')")).remove(QLatin1Char('"'));
        // The tests' own X clients need the authority too.
        session.setDisplayUser(m_xwaylandDisplay,
                               {QStringLiteral("env"), QStringLiteral("XAUTHORITY=") + m_xauthority});
        return found;
    }

    bool m_wayland;
    QProcessEnvironment m_environment;
    QString m_xwaylandDisplay;
    QString m_xauthority;
    QString m_waylandDisplay;
};

// mate-panel 1.26 with its default layout (a top and a bottom panel; the notification area in
// the top one), or one panel holding the notification area along the layout's other edge, with
// marco managing the windows.
class MateHost final : public WindowedBarHost
{
public:
    // The notification area is an applet in a process of its own, which draws its menus.
    explicit MateHost(HostLayout layout)
        : WindowedBarHost(std::move(layout), QStringLiteral("^mate-panel$"),
                          QStringLiteral("^(mate-panel|notification-area-applet)$"))
    {}

    QString name() const override { return QStringLiteral("mate"); }
    QStringList programs() const override { return {QStringLiteral("mate-panel"), QStringLiteral("marco")}; }

    bool start(DesktopSession& session) override
    {
        m_environment = hostEnvironment(session, name());
        m_environment.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("keyfile"));
        m_environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("MATE"));
        const QByteArray panels = sharedSettings();
        if (!panels.isEmpty()) {
            writeFile(m_environment.value(QStringLiteral("XDG_CONFIG_HOME")) +
                          QStringLiteral("/glib-2.0/settings/keyfile"),
                      panels);
        }
        session.spawn(QStringLiteral("marco"), {QStringLiteral("--no-composite")}, m_environment);
        m_panel = startPanel(session);
        return !session.waitForBusName(watcherName, hostStartMs).isEmpty();
    }

    QByteArray sharedSettings() const override
    {
        if (m_layout.edge == Qt::TopEdge) {
            return DesktopHost::sharedSettings();
        }
        // A panel list of its own stands in for the default layout, which the panel would
        // otherwise lay down at its first start; the item away from the corners, which the
        // program counts as the top or bottom bar's.
        static const QHash<Qt::Edge, QByteArray> orientations = {
            {Qt::BottomEdge, "bottom"}, {Qt::LeftEdge, "left"}, {Qt::RightEdge, "right"}};
        return DesktopHost::sharedSettings() +
               "[org/mate/panel/general]\n"
               "toplevel-id-list=['edge']\n"
               "object-id-list=['notification-area']\n"
               "[org/mate/panel/toplevels/edge]\n"
               "orientation='" +
               orientations.value(m_layout.edge) +
               "'\n"
               "expand=true\n"
               "size=" +
               QByteArray::number(m_layout.barThickness > 0 ? m_layout.barThickness : 24) +
               "\n"
               "[org/mate/panel/objects/notification-area]\n"
               "object-type='applet'\n"
               "applet-iid='NotificationAreaAppletFactory::NotificationArea'\n"
               "toplevel-id='edge'\n"
               "position=300\n"
               "locked=true\n";
    }

protected:
    QProcess* startPanel(DesktopSession& session) override
    {
        // The applets run in processes of their own, which the panel would have the bus start.
        m_applets = startServices(session, QStringLiteral("org.mate.panel.applet.*"), m_environment);
        return session.spawn(QStringLiteral("mate-panel"), {}, m_environment);
    }

    // Applets whose panel has gone quit by themselves; what is left of them goes too.
    void endPanel(DesktopSession& session) override
    {
        session.end(m_panel);
        for (QProcess* applet : std::as_const(m_applets)) {
            session.end(applet);
        }
        m_applets.clear();
    }

private:
    QProcessEnvironment m_environment;
    QList<QProcess*> m_applets;
};

// KDE Plasma 5.27: plasmashell with its default layout (one panel along the bottom, the tray at
// its right end) and kwin_x11 managing the windows.
class KdeHost final : public WindowedBarHost
{
public:
    explicit KdeHost(HostLayout layout) : WindowedBarHost(std::move(layout), QStringLiteral("^plasmashell$")) {}

    QString name() const override { return QStringLiteral("kde"); }
    QStringList programs() const override
    {
        return {QStringLiteral("plasmashell"), QStringLiteral("kwin_x11"), QStringLiteral("kded5")};
    }

    bool start(DesktopSession& session) override
    {
        QProcessEnvironment environment = hostEnvironment(session, name());
        environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("KDE"));
        environment.insert(QStringLiteral("KDE_FULL_SESSION"), QStringLiteral("true"));
        environment.insert(QStringLiteral("KDE_SESSION_VERSION"), QStringLiteral("5"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // Commands of the user's own, as Debian's ~/.profile puts them on the path.
        environment.insert(QStringLiteral("PATH"), environment.value(QStringLiteral("HOME")) +
                                                       QStringLiteral("/.local/bin:") +
                                                       environment.value(QStringLiteral("PATH")));
        // The accessibility bus, through which the tests read what the applets draw.
        environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        session.spawn(QStringLiteral("/usr/libexec/at-spi-bus-launcher"), {QStringLiteral("--launch-immediately")},
                      environment);
        m_environment = environment;
        session.spawn(QStringLiteral("kwin_x11"), {}, environment);
        startServices(session, QStringLiteral("org.kde.ActivityManager"), environment);
        startServices(session, QStringLiteral("org.kde.kglobalaccel"), environment);
        // The status notifier watcher is a module of kded, which the tray asks it to load.
        session.spawn(QStringLiteral("kded5"), {}, environment);
        session.spawn(QStringLiteral("plasmashell"), {QStringLiteral("--no-respawn")}, environment);
        if (session.waitForBusName(watcherName, 60000).isEmpty()) {
            return false;
        }
        // The tray is ready once it has registered as a host with the watcher.
        return waitUntil(
                   [&] {
                       return commandOutput(QStringLiteral("dbus-send"),
                                            {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                                             QStringLiteral("--dest=") + watcherName,
                                             QStringLiteral("/StatusNotifierWatcher"),
                                             QStringLiteral("org.freedesktop.DBus.Properties.Get"),
                                             QStringLiteral("string:org.kde.StatusNotifierWatcher"),
                                             QStringLiteral("string:IsStatusNotifierHostRegistered")})
                           .contains(QLatin1String("boolean true"));
                   },
                   60000, 250) &&
               waitUntil([&] { return edgeBar(session, QStringLiteral("^plasmashell$"), m_layout).has_value(); }, 30000,
                         250);
    }

    // Plasma 5 runs on Qt 5, whose screens are RandR's outputs.
    bool seesRandrMonitors() const override { return false; }

    bool addApplet(DesktopSession&, const QString& package, const QHash<QString, QByteArray>& programs) override
    {
        const QString folder = m_environment.value(QStringLiteral("HOME")) + QStringLiteral("/.local/bin/");
        for (auto program = programs.cbegin(); program != programs.cend(); ++program) {
            if (!writeFile(folder + program.key(), program.value()) ||
                !QFile::setPermissions(folder + program.key(),
                                       QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)) {
                return false;
            }
        }
        int status = -1;
        const QString installed = commandOutput(
            QStringLiteral("kpackagetool5"),
            {QStringLiteral("--type"), QStringLiteral("Plasma/Applet"), QStringLiteral("--install"), package}, &status,
            m_environment);
        if (status != 0) {
            qWarning("kpackagetool5: %s", qPrintable(installed));
            return false;
        }
        // Next to the launcher, away from the tray at the panel's other end.
        m_appletId = QFileInfo(package).fileName();
        const QString added = shellScript(QStringLiteral("const applet = panels()[0].addWidget('%1');"
                                                         "applet.index = 1; print(applet.type);")
                                              .arg(m_appletId));
        if (!added.contains(m_appletId)) {
            qWarning("plasmashell added no applet: %s", qPrintable(added));
            return false;
        }
        return true;
    }

    void removeApplet(DesktopSession&) override
    {
        shellScript(QStringLiteral("for (const applet of panels()[0].widgets('%1')) applet.remove();").arg(m_appletId));
    }

    std::optional<ItemView> applet(DesktopSession& session, const QStringList& expected) override
    {
        const auto found = AccessibilityBus::find(QStringLiteral("plasmashell"), expected);
        const auto bar = edgeBar(session, QStringLiteral("^plasmashell$"), m_layout);
        if (!found || !bar || !bar->contains(found->extents.center())) {
            return std::nullopt;
        }
        return ItemView{found->extents, *bar, -1, found->name, found->description};
    }

    bool dropItem(DesktopSession&) override { return watcherModule(QStringLiteral("unloadModule")); }

    // The watcher module reloaded, as kded does when it restarts: the bar stays, the items and the
    // bar's own registration go and come back.
    bool restartBar(DesktopSession& session) override
    {
        return watcherModule(QStringLiteral("unloadModule")) &&
               waitUntil([&] { return session.waitForBusName(watcherName, 0).isEmpty(); }, 5000) &&
               watcherModule(QStringLiteral("loadModule"));
    }

protected:
    QProcess* startPanel(DesktopSession&) override { return nullptr; }

private:
    // What plasmashell's scripting interface prints for `script` (the desktop's own scripting, as
    // its layout templates use), or the error.
    static QString shellScript(const QString& script)
    {
        QDBusInterface shell(QStringLiteral("org.kde.plasmashell"), QStringLiteral("/PlasmaShell"),
                             QStringLiteral("org.kde.PlasmaShell"));
        const QDBusMessage reply = shell.call(QStringLiteral("evaluateScript"), script);
        return reply.arguments().isEmpty() ? reply.errorMessage() : reply.arguments().first().toString();
    }

    QProcessEnvironment m_environment;
    QString m_appletId;

    // The watcher is a module of kded; unloaded, it leaves the bus, as when kded goes.
    static bool watcherModule(const QString& method)
    {
        return commandOutput(QStringLiteral("dbus-send"),
                             {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                              QStringLiteral("--dest=org.kde.kded5"), QStringLiteral("/kded"),
                              QStringLiteral("org.kde.kded5.") + method,
                              QStringLiteral("string:statusnotifierwatcher")})
            .contains(QLatin1String("boolean true"));
    }
};

// sway 1.7 with waybar 0.9.17 and its tray. sway will not run as root, and its headless
// back-end has no pointer: it runs as nobody on its X11 back-end, one window filling the virtual
// screen, so that xdotool's pointer and keys reach it. The program runs through sway's XWayland.
class SwayHost final : public DesktopHost
{
public:
    explicit SwayHost(HostLayout layout) : DesktopHost(std::move(layout)) {}

    QString name() const override { return QStringLiteral("sway"); }
    QStringList programs() const override
    {
        return {QStringLiteral("sway"), QStringLiteral("waybar"), QStringLiteral("Xwayland"),
                QStringLiteral("setpriv")};
    }

    bool start(DesktopSession& session) override
    {
        QProcessEnvironment environment = hostEnvironment(session, name());
        const QString home = environment.value(QStringLiteral("HOME"));
        writeFile(home + QStringLiteral("/config/waybar/config"), R"({
    "layer": "top", "position": "top", "height": 28,
    "modules-left": [], "modules-center": [], "modules-right": ["tray"],
    "tray": { "icon-size": 20, "spacing": 8 }
})");
        writeFile(home + QStringLiteral("/config/waybar/style.css"),
                  "* { font-family: sans-serif; font-size: 13px; }\n"
                  "window#waybar { background: #303030; color: #ffffff; }\n");
        writeFile(home + QStringLiteral("/config/sway/config"),
                  QStringLiteral("output * resolution %1x%2 position 0 0 bg #5a6a7a solid_color\n"
                                 "xwayland enable\n"
                                 "exec waybar\n")
                      .arg(screenSize().width())
                      .arg(screenSize().height())
                      .toUtf8());
        // Everything of the host belongs to the user it runs as, who may pass through the session's
        // folder to reach it.
        commandOutput(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("65534:65534"), home});
        QFile(session.filePath(QString()))
            .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                            QFileDevice::ExeOther);
        environment.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("x11"));
        environment.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
        environment.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
        environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("sway"));
        const QStringList socketsBefore = QDir(QStringLiteral("/tmp/.X11-unix")).entryList(QDir::System);
        const QStringList user = nobody();
        m_sway = session.spawn(user.first(),
                               user.mid(1) + QStringList{QStringLiteral("sway"), QStringLiteral("-c"),
                                                         home + QStringLiteral("/config/sway/config")},
                               environment);
        if (session.waitForBusName(watcherName, hostStartMs).isEmpty() || !findXWayland(socketsBefore)) {
            return false;
        }
        session.setDisplayUser(m_xwaylandDisplay, user);
        // Programs started in a sway session find its IPC socket in SWAYSOCK.
        const QStringList sockets = QDir(environment.value(QStringLiteral("XDG_RUNTIME_DIR")))
                                        .entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
        if (sockets.isEmpty()) {
            return false;
        }
        m_swaySocket = environment.value(QStringLiteral("XDG_RUNTIME_DIR")) + QLatin1Char('/') + sockets.first();
        return true;
    }

    QString programDisplay(DesktopSession&) const override { return m_xwaylandDisplay; }
    QStringList programUser() const override { return nobody(); }

    // Held as long as a hand holds it: waybar acts on the press, and sway shows no other surface
    // the pointer until the release.
    void click(DesktopSession& session, QPoint point, int button) override
    {
        session.xdotool({QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y())});
        QThread::msleep(150);
        session.xdotool({QStringLiteral("mousedown"), QString::number(button)});
        QThread::msleep(120);
        session.xdotool({QStringLiteral("mouseup"), QString::number(button)});
    }

    QProcessEnvironment programEnvironment(DesktopSession& session) const override
    {
        QProcessEnvironment environment = DesktopHost::programEnvironment(session);
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-1"));
        environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        environment.insert(QStringLiteral("SWAYSOCK"), m_swaySocket);
        return environment;
    }

    std::optional<ItemView> item(DesktopSession& session) override
    {
        // waybar's bar is a Wayland surface; seen from the screen, it is the band at the top.
        const QRect bar(0, 0, screenSize().width(), 28);
        return itemInBar(screenshot(session), bar, Qt::Horizontal);
    }

    bool menuShown(DesktopSession& session) override
    {
        // GTK draws waybar's menus as popups of the bar: lighter than the dark bar, below it.
        const QImage screen = screenshot(session);
        int light = 0;
        for (int y = 30; y < 200 && y < screen.height(); ++y) {
            for (int x = 0; x < screen.width(); x += 2) {
                light += qGray(screen.pixel(x, y)) > 200 ? 1 : 0;
            }
        }
        return light > 2000;
    }

    bool dropItem(DesktopSession& session) override
    {
        // waybar, which holds the watcher, quits; sway stays, and with it nothing that hosts items.
        const uint waybar = QDBusConnection::sessionBus().interface()->servicePid(watcherName).value();
        if (waybar == 0 || ::kill(static_cast<pid_t>(waybar), SIGTERM) != 0) {
            return false;
        }
        return waitUntil([&] { return session.waitForBusName(watcherName, 0).isEmpty(); }, 5000);
    }

    // Started again by sway, as its config's exec line did, with sway's environment.
    bool restartBar(DesktopSession& session) override
    {
        if (!dropItem(session)) {
            return false;
        }
        int exitCode = -1;
        commandOutput(nobody().first(),
                      nobody().mid(1) + QStringList{QStringLiteral("swaymsg"), QStringLiteral("-s"), m_swaySocket,
                                                    QStringLiteral("exec waybar")},
                      &exitCode);
        return exitCode == 0;
    }

private:
    // sway opens XWayland's socket as it starts (the server follows on the first client): the
    // socket that appears with sway, owned by its user, names the display.
    bool findXWayland(const QStringList& socketsBefore)
    {
        return waitUntil(
            [&] {
                for (const QString& socket : QDir(QStringLiteral("/tmp/.X11-unix")).entryList(QDir::System)) {
                    if (!socketsBefore.contains(socket) &&
                        QFileInfo(QStringLiteral("/tmp/.X11-unix/") + socket).ownerId() == 65534) {
                        m_xwaylandDisplay = QLatin1Char(':') + socket.mid(1);
                        return true;
                    }
                }
                return false;
            },
            15000, 250);
    }

    static QStringList nobody()
    {
        return {QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                QStringLiteral("--clear-groups")};
    }

    QProcess* m_sway = nullptr;
    QString m_xwaylandDisplay;
    QString m_swaySocket;
};

} // namespace

QProcessEnvironment DesktopHost::programEnvironment(DesktopSession& session) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), programDisplay(session));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return environment;
}

QByteArray gnomeColorScheme(const HostLayout& layout)
{
    return layout.dark ? "color-scheme='prefer-dark'\n" : "";
}

QByteArray DesktopHost::sharedSettings() const
{
    return m_layout.dark ? "[org/gnome/desktop/interface]\n" + gnomeColorScheme(m_layout) : QByteArray();
}

QSize HostLayout::screenSize() const
{
    QRect all;
    for (const QRect& monitor : monitors) {
        all |= monitor;
    }
    return all.size();
}

std::optional<HostLayout> hostLayout(const QString& host, const QString& layout)
{
    const QList<QRect> sideBySide = {QRect(0, 0, 1280, 800), QRect(1280, 0, 1280, 800)};
    // Each host's own layout (no name), then the others: a bottom bar, a vertical one, a bar on
    // either of two monitors thicker or thinner than the program's guess, a desktop at twice the
    // scale (on a screen that holds the panel at that scale).
    const QList<HostLayout> table = {
        {.host = QStringLiteral("xfce"), .edge = Qt::TopEdge},
        {.host = QStringLiteral("gnome-x11"), .edge = Qt::TopEdge},
        {.host = QStringLiteral("gnome-wayland"), .edge = Qt::TopEdge},
        {.host = QStringLiteral("mate"), .edge = Qt::TopEdge},
        {.host = QStringLiteral("sway"), .edge = Qt::TopEdge},
        {.host = QStringLiteral("kde"), .edge = Qt::BottomEdge},
        {.host = QStringLiteral("xfce"), .name = QStringLiteral("bottom"), .edge = Qt::BottomEdge, .barThickness = 36},
        // A vertical bar has room for a few characters: the program shortens its title there.
        {.host = QStringLiteral("mate"), .name = QStringLiteral("vertical"), .edge = Qt::LeftEdge, .barThickness = 36},
        {.host = QStringLiteral("xfce"),
         .name = QStringLiteral("two-monitors"),
         .edge = Qt::TopEdge,
         .monitors = sideBySide,
         .barMonitor = 1,
         .barThickness = 40},
        {.host = QStringLiteral("xfce"),
         .name = QStringLiteral("two-monitors-bottom"),
         .edge = Qt::BottomEdge,
         .monitors = sideBySide,
         .barMonitor = 0,
         .barThickness = 24},
        {.host = QStringLiteral("kde"),
         .name = QStringLiteral("two-monitors"),
         .edge = Qt::BottomEdge,
         .monitors = sideBySide,
         .barMonitor = 0},
        {.host = QStringLiteral("gnome-x11"),
         .name = QStringLiteral("scale-2"),
         .edge = Qt::TopEdge,
         .monitors = {QRect(0, 0, 2560, 1600)},
         .scale = 2},
        {.host = QStringLiteral("xfce"),
         .name = QStringLiteral("genmon"),
         .edge = Qt::TopEdge,
         .genmon = QStringLiteral("--genmon")},
        // XFCE's tray draws the icon alone: the day's number on it, as its user would choose.
        {.host = QStringLiteral("xfce"),
         .name = QStringLiteral("day-icon"),
         .edge = Qt::TopEdge,
         .preferences = QStringLiteral("iconShowsDay=true")},
        {.host = QStringLiteral("gnome-x11"),
         .name = QStringLiteral("dark"),
         .edge = Qt::TopEdge,
         .preferences = QStringLiteral("appTheme=desktop"),
         .dark = true},
    };
    for (const HostLayout& row : table) {
        if (row.host == host && row.name == layout) {
            return row;
        }
    }
    return std::nullopt;
}

std::unique_ptr<DesktopHost> desktopHost(const HostLayout& layout)
{
    const QString& name = layout.host;
    std::unique_ptr<DesktopHost> host;
    if (name == QLatin1String("xfce")) {
        host = std::make_unique<XfceHost>(layout);
    } else if (name == QLatin1String("gnome-x11") || name == QLatin1String("gnome-wayland")) {
        host = std::make_unique<GnomeHost>(layout, name == QLatin1String("gnome-wayland"));
    } else if (name == QLatin1String("mate")) {
        host = std::make_unique<MateHost>(layout);
    } else if (name == QLatin1String("kde")) {
        host = std::make_unique<KdeHost>(layout);
    } else if (name == QLatin1String("sway")) {
        host = std::make_unique<SwayHost>(layout);
    }
    return host;
}

QList<QRect> emojiMarks(const QImage& screen, const QRect& area, Qt::Orientation along)
{
    const QRect inside = area.intersected(screen.rect());
    const auto isEmojiColour = [](QRgb pixel) {
        const QColor colour = QColor::fromRgb(pixel).toHsv();
        return colour.hue() >= 180 && colour.hue() <= 245 && colour.saturation() >= 100 && colour.value() >= 110;
    };
    // An emoji is a solid patch of its colour, even at 16 px; a tint at the edge of another icon
    // or of antialiased text is a few pixels.
    constexpr int minimumPixels = 40;
    constexpr int largestGap = 3;
    QList<QRect> marks;
    QRect current;
    int pixels = 0;
    int gap = 0;
    const auto close = [&] {
        if (pixels >= minimumPixels) {
            marks.append(current);
        }
        current = QRect();
        pixels = 0;
    };
    // Along the bar, a line across it at a time.
    const bool horizontal = along == Qt::Horizontal;
    const int first = horizontal ? inside.left() : inside.top();
    const int last = horizontal ? inside.right() : inside.bottom();
    for (int at = first; at <= last; ++at) {
        QRect line;
        for (int across = horizontal ? inside.top() : inside.left();
             across <= (horizontal ? inside.bottom() : inside.right()); ++across) {
            const QPoint point = horizontal ? QPoint(at, across) : QPoint(across, at);
            if (isEmojiColour(screen.pixel(point))) {
                line |= QRect(point, QSize(1, 1));
                ++pixels;
            }
        }
        if (!line.isNull()) {
            current |= line;
            gap = 0;
        } else if (!current.isNull() && ++gap > largestGap) {
            close();
        }
    }
    if (!current.isNull()) {
        close();
    }
    return marks;
}
