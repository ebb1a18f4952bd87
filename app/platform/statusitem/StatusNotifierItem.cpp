// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/statusitem/StatusNotifierItem.h"

#include "app/platform/statusitem/dbusmenu/DBusMenu.h"
#include "app/platform/statusitem/MateTrayPanels.h"
#include "app/platform/statusitem/StatusNotifierItemObject.h"
#include "app/platform/statusitem/StatusNotifierItemLabel.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>

namespace {

constexpr int callTimeoutMs = 5000;
// Longer than GNOME's extension takes to give up on an item it cannot draw (about 1.5 s).
constexpr int listingCheckDelayMs = 2500;
// After the extension's forgetting (a few milliseconds after it reads the item), before its
// failing read (a second later).
constexpr int identityRestatementDelayMs = 300;

// Watchers name items "service/path", "service" or, GNOME's, "unique-name/path".
bool namesItem(const QString& entry, const QStringList& ourNames)
{
    for (const QString& name : ourNames) {
        if (entry == name || entry.startsWith(name + u'/')) {
            return true;
        }
    }
    return false;
}

// The label extension reserves room for this text, so the widest digit stands for every digit:
// the status bar then keeps the label's width while the minutes tick.
QString labelGuideFor(const QString& title)
{
    QString guide = title;
    for (QChar& c : guide) {
        if (c.isDigit()) {
            c = u'8';
        }
    }
    return guide;
}

QDBusMessage watcherPropertyCall(const QString& property)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(StatusNotifierTypes::watcherService), QString::fromLatin1(StatusNotifierTypes::watcherPath),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << QString::fromLatin1(StatusNotifierTypes::watcherInterface) << property;
    return call;
}

} // namespace

StatusNotifierItem::StatusNotifierItem(const QDBusConnection& connection, QObject* parent)
    : StatusItem(parent), m_connection(connection),
      m_serviceName(QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid()))
{
    StatusNotifierTypes::registerTypes();
    if (!m_connection.isConnected()) {
        m_problem = QStringLiteral("no D-Bus session bus");
        return;
    }
    m_menu = new DBusMenu(m_connection, this);
    m_object = new StatusNotifierItemObject(m_connection, m_menu->objectPath());
    connect(m_object, &StatusNotifierItemObject::activated, this, &StatusItem::activated);
    connect(m_object, &StatusNotifierItemObject::activatedAtPointer, this,
            [this] { Q_EMIT activated(QCursor::pos()); });
    connect(m_object, &StatusNotifierItemObject::contextMenuRequested, this, &StatusNotifierItem::showContextMenu);
    // Timed from the host's first look rather than from its answer to the registration, which a
    // busy shell sends late.
    connect(m_object, &StatusNotifierItemObject::identityRead, &m_identityRestatement,
            qOverload<>(&QTimer::start));
    connect(m_object, &StatusNotifierItemObject::activationTokenProvided, this,
            &StatusNotifierItem::useActivationToken);
    // The connection's own objects live on its thread.
    if (QObject* bus = m_connection.interface()) {
        m_object->moveToThread(bus->thread());
    }
    m_listingCheck.setSingleShot(true);
    m_listingCheck.setInterval(listingCheckDelayMs);
    connect(&m_listingCheck, &QTimer::timeout, this, &StatusNotifierItem::checkListed);
    m_identityRestatement.setSingleShot(true);
    m_identityRestatement.setInterval(identityRestatementDelayMs);
    connect(&m_identityRestatement, &QTimer::timeout, this, &StatusNotifierItem::restateIdentity);
    if (!m_connection.registerObject(QString::fromLatin1(StatusNotifierTypes::itemPath), m_object,
                                     QDBusConnection::ExportAdaptors)) {
        m_problem = QStringLiteral("cannot export the item on the session bus");
        return;
    }
    if (!m_connection.registerService(m_serviceName)) {
        m_connection.unregisterObject(QString::fromLatin1(StatusNotifierTypes::itemPath));
        m_problem = QStringLiteral("cannot own the name %1 on the session bus").arg(m_serviceName);
        return;
    }
    m_exported = true;

    const QString watcher = QString::fromLatin1(StatusNotifierTypes::watcherService);
    m_watcherWatcher = new QDBusServiceWatcher(watcher, m_connection, QDBusServiceWatcher::WatchForOwnerChange, this);
    // One signal for every change of owner: a watcher leaving, arriving, or replaced in one step
    // (gnome-shell --replace).
    connect(m_watcherWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            &StatusNotifierItem::onWatcherOwnerChanged);
    // Matching on the well-known name follows a watcher that restarts under a new owner.
    const QString path = QString::fromLatin1(StatusNotifierTypes::watcherPath);
    const QString interface = QString::fromLatin1(StatusNotifierTypes::watcherInterface);
    m_connection.connect(watcher, path, interface, QStringLiteral("StatusNotifierHostRegistered"), this,
                         SLOT(onHostRegistered()));
    m_connection.connect(watcher, path, interface, QStringLiteral("StatusNotifierHostUnregistered"), this,
                         SLOT(onHostUnregistered()));
    m_connection.connect(watcher, path, interface, QStringLiteral("StatusNotifierItemUnregistered"), this,
                         SLOT(onItemUnregistered(QString)));

    m_problem = QStringLiteral("no StatusNotifierWatcher on the session bus");
}

void StatusNotifierItem::start()
{
    if (m_exported && !m_registered && !m_pending &&
        m_connection.interface()->isServiceRegistered(QString::fromLatin1(StatusNotifierTypes::watcherService))) {
        registerWithWatcher();
    }
}

StatusNotifierItem::~StatusNotifierItem()
{
    if (m_exported) {
        m_connection.unregisterService(m_serviceName);
        m_connection.unregisterObject(QString::fromLatin1(StatusNotifierTypes::itemPath));
    }
    // Deleted on its own thread, which drops the calls it has not answered yet. QtDBus watches the
    // end of every object it was given by blocking on that thread: unregistered, it need not.
    if (m_object) {
        QObject::disconnect(m_object, &QObject::destroyed, nullptr, nullptr);
        m_object->deleteLater();
    }
}

StatusItem::TitleRoom StatusNotifierItem::titleRoom() const
{
    return m_labelAlone && m_matePanels && m_matePanels->onVerticalPanel() ? TitleRoom::few : TitleRoom::whole;
}

void StatusNotifierItem::setTitle(const QString& title)
{
    if (title == m_title) {
        return;
    }
    m_title = title;
    updateLabel();
}

void StatusNotifierItem::updateLabel()
{
    const QString label = StatusNotifierItemLabel::labelFor(m_title, m_labelAlone);
    if (label == m_label) {
        return;
    }
    m_label = label;
    if (m_object) {
        m_object->setLabel(m_label, labelGuideFor(label));
        announceSoon();
    }
}

void StatusNotifierItem::setIcon(const QList<QImage>& images)
{
    // Usually the very pictures set before, whose shared data compare at once.
    if (images == m_iconImages) {
        return;
    }
    m_iconImages = images;
    StatusNotifierImageList icon;
    icon.reserve(images.size());
    for (const QImage& image : images) {
        icon.append(StatusNotifierImage::fromImage(image));
    }
    if (icon == m_icon) {
        return;
    }
    m_icon = icon;
    if (m_object) {
        m_object->setIcon(m_icon);
        announceSoon();
    }
}

void StatusNotifierItem::setToolTip(const QString& title, const QString& text)
{
    if (title == m_toolTipTitle && text == m_toolTip) {
        return;
    }
    m_toolTipTitle = title;
    m_toolTip = text;
    if (m_object) {
        m_object->setToolTip(title, text);
        announceSoon();
    }
}

// Once the main thread is done with what it is doing: the changes of one update go out together.
void StatusNotifierItem::announceSoon()
{
    if (!m_announcementQueued) {
        m_announcementQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_announcementQueued = false;
                m_object->announce();
            },
            Qt::QueuedConnection);
    }
}

void StatusNotifierItem::setMenu(const QList<QAction*>& actions)
{
    if (m_menu) {
        m_menu->setActions(actions);
    }
    m_contextMenu.reset();
}

void StatusNotifierItem::showContextMenu()
{
    const QList<QAction*> actions = m_menu ? m_menu->actions() : QList<QAction*>();
    if (actions.isEmpty()) {
        Q_EMIT activated(QCursor::pos());
        return;
    }
    if (!m_contextMenu) {
        m_contextMenu = std::make_unique<QMenu>();
        m_contextMenu->addActions(actions);
    }
    // The point the host sends is not always global (see StatusItem::activated); the pointer is.
    m_contextMenu->popup(QCursor::pos());
}

void StatusNotifierItem::useActivationToken(const QString& token)
{
    // Qt's Wayland back-end takes the token from here when a window next asks for the focus, and
    // clears it; under X11 it is never read and does no harm.
    if (!token.isEmpty()) {
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    }
}

StatusItem::Presence StatusNotifierItem::presence() const
{
    return m_shown ? Presence::statusNotifier : Presence::none;
}

bool StatusNotifierItem::waitForRegistration(int timeoutMs)
{
    if (!m_pending) {
        return true;
    }
    QEventLoop loop;
    m_waitLoop = &loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    m_waitLoop = nullptr;
    return !m_pending;
}

QString StatusNotifierItem::unavailableReason() const
{
    if (!m_registered) {
        return m_problem;
    }
    return m_hostRegistered ? QString() : QStringLiteral("no status bar shows StatusNotifierItems");
}

void StatusNotifierItem::registerWithWatcher()
{
    const quint64 attempt = ++m_attempt;
    m_pending = true;
    m_rejected = false;
    m_listingCheck.stop();
    const QString watcher = QString::fromLatin1(StatusNotifierTypes::watcherService);
    const QDBusReply<uint> pid = m_connection.interface()->servicePid(watcher);
    if (m_object) {
        m_object->reportNextIdentityRead();
    }
    const TitleRoom room = titleRoom();
    m_labelAlone = StatusNotifierItemLabel::hostDrawsLabelAlone(
        StatusNotifierItemLabel::programOf(pid.isValid() ? pid.value() : 0),
        qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
    if (m_labelAlone && !m_matePanels) {
        m_matePanels = new MateTrayPanels(this);
        connect(m_matePanels, &MateTrayPanels::changed, this, &StatusItem::titleRoomChanged);
    }
    updateLabel();
    if (titleRoom() != room) {
        Q_EMIT titleRoomChanged();
    }

    QDBusMessage call = QDBusMessage::createMethodCall(watcher, QString::fromLatin1(StatusNotifierTypes::watcherPath),
                                                       QString::fromLatin1(StatusNotifierTypes::watcherInterface),
                                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << m_serviceName;
    callWatcher(call, attempt, &StatusNotifierItem::onRegisterReply);
}

void StatusNotifierItem::onRegisterReply(const QDBusMessage& reply, quint64 attempt)
{
    if (attempt != m_attempt) {
        return;
    }
    if (reply.type() == QDBusMessage::ErrorMessage) {
        reject(QStringLiteral("the StatusNotifierWatcher refused the item (%1)").arg(reply.errorMessage()));
        return;
    }
    m_registered = true;
    queryHost(attempt);
}

void StatusNotifierItem::restateIdentity()
{
    if (!m_object) {
        return;
    }
    QDBusMessage changed = QDBusMessage::createSignal(QString::fromLatin1(StatusNotifierTypes::itemPath),
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("PropertiesChanged"));
    changed << QString::fromLatin1(StatusNotifierTypes::itemInterface)
            << QVariantMap{{QStringLiteral("Id"), QString::fromLatin1(StatusNotifierTypes::itemId)},
                           {QStringLiteral("Menu"), QVariant::fromValue(m_object->menu())}}
            << QStringList();
    m_connection.send(changed);
}

// A watcher can run without any status bar drawing its items; only a host makes the item visible.
void StatusNotifierItem::queryHost(quint64 attempt)
{
    m_pending = true;
    callWatcher(watcherPropertyCall(QStringLiteral("IsStatusNotifierHostRegistered")), attempt,
                &StatusNotifierItem::onHostReply);
}

void StatusNotifierItem::onHostReply(const QDBusMessage& reply, quint64 attempt)
{
    if (attempt != m_attempt) {
        return;
    }
    // A watcher that cannot say whether a host runs is nearly always part of one.
    m_hostRegistered = reply.type() == QDBusMessage::ErrorMessage || reply.arguments().isEmpty() ||
                       reply.arguments().constFirst().value<QDBusVariant>().variant().toBool();
    finishPending();
    updatePresence();
    m_listingCheck.start();
}

void StatusNotifierItem::checkListed()
{
    if (!m_registered) {
        return;
    }
    callWatcher(watcherPropertyCall(QStringLiteral("RegisteredStatusNotifierItems")), m_attempt,
                &StatusNotifierItem::onListReply);
}

void StatusNotifierItem::onListReply(const QDBusMessage& reply, quint64 attempt)
{
    // A watcher that does not answer the question is taken at its word that it registered us.
    if (attempt != m_attempt || !m_registered || reply.type() == QDBusMessage::ErrorMessage ||
        reply.arguments().isEmpty()) {
        return;
    }
    const QStringList entries = reply.arguments().constFirst().value<QDBusVariant>().variant().toStringList();
    const QStringList ourNames{m_serviceName, m_connection.baseService()};
    for (const QString& entry : entries) {
        if (namesItem(entry, ourNames)) {
            return;
        }
    }
    reject(QStringLiteral("the StatusNotifierWatcher accepted the item but does not list it: "
                          "the status bar dropped it"));
}

void StatusNotifierItem::onItemUnregistered(const QString& item)
{
    if (m_registered && namesItem(item, {m_serviceName, m_connection.baseService()})) {
        // Watchers also send this when an item registers again; only the list says if we are gone.
        checkListed();
    }
}

// Registering again would only be dropped again: the item waits for another watcher.
void StatusNotifierItem::reject(const QString& problem)
{
    ++m_attempt;
    m_registered = false;
    m_rejected = true;
    m_problem = problem;
    m_listingCheck.stop();
    finishPending();
    updatePresence();
}

void StatusNotifierItem::callWatcher(const QDBusMessage& call, quint64 attempt,
                                     void (StatusNotifierItem::*onReply)(const QDBusMessage&, quint64))
{
    auto* watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call, callTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, attempt, onReply](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                (this->*onReply)(finished->reply(), attempt);
            });
}

void StatusNotifierItem::onWatcherOwnerChanged(const QString&, const QString& oldOwner, const QString& newOwner)
{
    if (!oldOwner.isEmpty()) {
        onWatcherGone();
    }
    if (!newOwner.isEmpty()) {
        registerWithWatcher();
    }
}

void StatusNotifierItem::onWatcherGone()
{
    ++m_attempt;
    m_registered = false;
    m_rejected = false;
    m_hostRegistered = false;
    m_listingCheck.stop();
    m_problem = QStringLiteral("no StatusNotifierWatcher on the session bus");
    finishPending();
    updatePresence();
}

void StatusNotifierItem::onHostRegistered()
{
    m_hostRegistered = true;
    updatePresence();
}

void StatusNotifierItem::onHostUnregistered()
{
    // Another host may still be running; the watcher knows.
    if (m_registered) {
        queryHost(m_attempt);
    }
}

void StatusNotifierItem::finishPending()
{
    m_pending = false;
    if (m_waitLoop) {
        m_waitLoop->quit();
    }
}

void StatusNotifierItem::updatePresence()
{
    const bool shown = m_registered && m_hostRegistered;
    if (shown != m_shown) {
        m_shown = shown;
        Q_EMIT presenceChanged(presence());
    }
}

