// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/StatusNotifierItem.h"

#include "app/platform/DBusMenu.h"
#include "app/platform/StatusNotifierItemLabel.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDBusAbstractAdaptor>
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

// The object the status bar host talks to. Property and method names are the protocol's.
class StatusNotifierItemAdaptor final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(StatusNotifierImageList IconPixmap READ iconPixmap)
    Q_PROPERTY(StatusNotifierToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QString XAyatanaLabel READ label)
    Q_PROPERTY(QString XAyatanaLabelGuide READ labelGuide)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)

public:
    explicit StatusNotifierItemAdaptor(StatusNotifierItem* item) : QDBusAbstractAdaptor(item), m_item(item) {}

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const
    {
        m_item->identityRead();
        return QStringLiteral("quintaval");
    }
    QString title() const { return QStringLiteral("Quintaval"); }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    // Empty, so that hosts take the pictures of IconPixmap.
    QString iconName() const { return {}; }
    StatusNotifierImageList iconPixmap() const { return m_item->m_icon; }
    StatusNotifierToolTip toolTip() const
    {
        return {{}, {}, m_item->m_toolTipTitle.isEmpty() ? title() : m_item->m_toolTipTitle, m_item->m_toolTip};
    }
    bool itemIsMenu() const { return false; }
    QString label() const { return m_item->m_label; }
    QString labelGuide() const { return m_item->m_labelGuide; }
    // Hosts that find no menu here either drop the item (GNOME) or fall back to ContextMenu.
    QDBusObjectPath menu() const
    {
        return m_item->m_menu ? m_item->m_menu->objectPath() : QDBusObjectPath(QStringLiteral("/NO_DBUSMENU"));
    }

public Q_SLOTS:
    void Activate(int x, int y) { Q_EMIT m_item->activated(QPoint(x, y)); }
    // A middle click, or the click of a host that keeps the left one for the menu: the panel too.
    void SecondaryActivate(int x, int y) { Q_EMIT m_item->activated(QPoint(x, y)); }
    // The label extension's form of it, with the click's time and no place.
    void XAyatanaSecondaryActivate(uint) { Q_EMIT m_item->activated(QCursor::pos()); }
    // Hosts that do not draw the dbusmenu themselves (Plasma without it, for one) ask us to.
    void ContextMenu(int, int) { m_item->showContextMenu(); }
    // Answered, so that a turn of the wheel over the item does not come back as an error.
    void Scroll(int, const QString&) {}
    // Sent before a click by hosts on Wayland (and by Plasma everywhere): the token lets the
    // window the click opens take the focus.
    void ProvideXdgActivationToken(const QString& token) { m_item->useActivationToken(token); }

Q_SIGNALS:
    void NewIcon();
    void NewToolTip();
    void XAyatanaNewLabel(const QString& label, const QString& guide);

private:
    StatusNotifierItem* m_item;
};

StatusNotifierItem::StatusNotifierItem(const QDBusConnection& connection, QObject* parent)
    : StatusItem(parent), m_connection(connection),
      m_serviceName(QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid()))
{
    StatusNotifierTypes::registerTypes();
    if (!m_connection.isConnected()) {
        m_problem = QStringLiteral("no D-Bus session bus");
        return;
    }
    m_adaptor = new StatusNotifierItemAdaptor(this);
    m_menu = new DBusMenu(m_connection, this);
    m_listingCheck.setSingleShot(true);
    m_listingCheck.setInterval(listingCheckDelayMs);
    connect(&m_listingCheck, &QTimer::timeout, this, &StatusNotifierItem::checkListed);
    m_identityRestatement.setSingleShot(true);
    m_identityRestatement.setInterval(identityRestatementDelayMs);
    connect(&m_identityRestatement, &QTimer::timeout, this, &StatusNotifierItem::restateIdentity);
    if (!m_connection.registerObject(QString::fromLatin1(StatusNotifierTypes::itemPath), this,
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
    m_labelGuide = labelGuideFor(label);
    if (m_adaptor) {
        Q_EMIT m_adaptor->XAyatanaNewLabel(m_label, m_labelGuide);
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
    if (m_adaptor) {
        Q_EMIT m_adaptor->NewIcon();
    }
}

void StatusNotifierItem::setToolTip(const QString& title, const QString& text)
{
    if (title == m_toolTipTitle && text == m_toolTip) {
        return;
    }
    m_toolTipTitle = title;
    m_toolTip = text;
    if (m_adaptor) {
        Q_EMIT m_adaptor->NewToolTip();
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
    m_restateOnRead = true;
    m_labelAlone = StatusNotifierItemLabel::hostDrawsLabelAlone(
        StatusNotifierItemLabel::programOf(pid.isValid() ? pid.value() : 0),
        qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
    updateLabel();

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

// Timed from the host's first look rather than from its answer to the registration, which a busy
// shell sends late.
void StatusNotifierItem::identityRead()
{
    if (m_restateOnRead) {
        m_restateOnRead = false;
        m_identityRestatement.start();
    }
}

void StatusNotifierItem::restateIdentity()
{
    if (!m_adaptor) {
        return;
    }
    QDBusMessage changed = QDBusMessage::createSignal(QString::fromLatin1(StatusNotifierTypes::itemPath),
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("PropertiesChanged"));
    changed << QString::fromLatin1(StatusNotifierTypes::itemInterface)
            << QVariantMap{{QStringLiteral("Id"), m_adaptor->id()},
                           {QStringLiteral("Menu"), QVariant::fromValue(m_adaptor->menu())}}
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

#include "StatusNotifierItem.moc"
