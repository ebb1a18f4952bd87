// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/statusitem/SystemStatusItem.h"

#include "app/platform/statusitem/StatusNotifierItem.h"

#include <QCursor>
#include <QIcon>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>

#include <cstdio>

namespace {

// Long enough for a watcher busy at login, short enough not to hold up the start noticeably.
constexpr int registrationTimeoutMs = 3000;
constexpr int trayProbeIntervalMs = 5000;

QIcon iconFrom(const QList<QImage>& images)
{
    QIcon icon;
    for (const QImage& image : images) {
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace

SystemStatusItem::SystemStatusItem(const QDBusConnection& connection, std::chrono::milliseconds restartGrace,
                                   QObject* parent)
    : StatusItem(parent), m_item(new StatusNotifierItem(connection, this))
{
    m_restartGrace.setSingleShot(true);
    // A coarse timer may end the grace up to 5 % early, before a restarting bar was promised it.
    m_restartGrace.setTimerType(Qt::PreciseTimer);
    m_restartGrace.setInterval(restartGrace);
    connect(&m_restartGrace, &QTimer::timeout, this, [this] {
        m_graceOver = true;
        choose();
    });
    connect(m_item, &StatusItem::activated, this, &StatusItem::activated);
    connect(m_item, &StatusItem::presenceChanged, this, &SystemStatusItem::choose);
    connect(m_item, &StatusItem::titleRoomChanged, this, &StatusItem::titleRoomChanged);
    m_trayProbe.setInterval(trayProbeIntervalMs);
    connect(&m_trayProbe, &QTimer::timeout, this, &SystemStatusItem::choose);
}

void SystemStatusItem::start()
{
    m_item->start();
    m_item->waitForRegistration(registrationTimeoutMs);
    choose();
}

SystemStatusItem::~SystemStatusItem() = default;

void SystemStatusItem::setMenu(const QList<QAction*>& actions)
{
    m_item->setMenu(actions);
    m_trayMenu = std::make_unique<QMenu>();
    m_trayMenu->addActions(actions);
    if (m_tray) {
        m_tray->setContextMenu(m_trayMenu.get());
    }
}

// The tray icon shows no title at all: the room is the status bar's.
StatusItem::TitleRoom SystemStatusItem::titleRoom() const
{
    return m_item->titleRoom();
}

void SystemStatusItem::setTitle(const QString& title)
{
    m_item->setTitle(title);
}

void SystemStatusItem::setIcon(const QList<QImage>& images)
{
    m_item->setIcon(images);
    if (images == m_icon) {
        return;
    }
    m_icon = images;
    if (m_tray) {
        m_tray->setIcon(iconFrom(m_icon));
        m_tray->setVisible(m_presence == Presence::systemTray && !m_icon.isEmpty());
    }
}

void SystemStatusItem::setToolTip(const QString& title, const QString& text)
{
    m_item->setToolTip(title, text);
    // XEmbed tooltips are plain text.
    const QString joined = title.isEmpty() ? text : title + u'\n' + text;
    if (joined == m_toolTip) {
        return;
    }
    m_toolTip = joined;
    if (m_tray) {
        m_tray->setToolTip(m_toolTip);
    }
}

void SystemStatusItem::choose()
{
    Presence next = Presence::none;
    if (m_item->presence() == Presence::statusNotifier) {
        next = Presence::statusNotifier;
    } else if (QSystemTrayIcon::isSystemTrayAvailable()) {
        next = Presence::systemTray;
    }

    // Shown until now and gone without being turned away: the bar is most likely restarting.
    const bool barWent =
        m_chosen && m_presence == Presence::statusNotifier && next != Presence::statusNotifier && !m_item->isRejected();
    if (barWent && !m_graceOver) {
        if (!m_restartGrace.isActive()) {
            m_restartGrace.start();
        }
        return;
    }
    m_restartGrace.stop();
    m_graceOver = false;

    // The probe comes back every few seconds while the icon is in the tray: it stays there.
    if (next == Presence::systemTray && m_presence != Presence::systemTray) {
        showTrayIcon();
    } else if (next != Presence::systemTray && m_tray) {
        m_tray->hide();
    }
    if (next == Presence::statusNotifier) {
        m_trayProbe.stop();
    } else if (!m_trayProbe.isActive()) {
        m_trayProbe.start();
    }

    // Said once per fall: a tray found while nothing else runs needs no explanation, a status
    // bar that turned the item away does.
    const bool fell = next != m_presence || !m_chosen;
    if (fell && next == Presence::none) {
        std::fprintf(stderr,
                     "quintaval: no status bar to show the item in (%s, and no system tray): "
                     "start quintaval again to open the panel as a window\n",
                     qPrintable(m_item->unavailableReason()));
        std::fflush(stderr);
    } else if (fell && next == Presence::systemTray && m_item->isRejected()) {
        std::fprintf(stderr, "quintaval: the status bar does not show the item (%s): it goes to the system tray\n",
                     qPrintable(m_item->unavailableReason()));
        std::fflush(stderr);
    }
    const bool changed = next != m_presence;
    m_chosen = true;
    m_presence = next;
    if (changed) {
        Q_EMIT presenceChanged(m_presence);
    }
}

void SystemStatusItem::showTrayIcon()
{
    if (!m_tray) {
        m_tray = new QSystemTrayIcon(this);
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            // A double click arrives after its first click, which already toggled the panel; a right
            // click shows the menu.
            if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Context) {
                return;
            }
            // Some trays give the icon's place relative to themselves; the pointer is where the
            // user clicked, and the icon's bottom edge, when known, is where the panel belongs.
            const QPoint pointer = QCursor::pos();
            const QRect geometry = m_tray->geometry();
            Q_EMIT activated(geometry.contains(pointer) ? QPoint(pointer.x(), geometry.bottom() + 1) : pointer);
        });
    }
    m_tray->setIcon(iconFrom(m_icon));
    m_tray->setToolTip(m_toolTip);
    if (m_trayMenu) {
        m_tray->setContextMenu(m_trayMenu.get());
    }
    // A tray entry without a picture would be an empty slot; it shows once the icon is set.
    m_tray->setVisible(!m_icon.isEmpty());
}
