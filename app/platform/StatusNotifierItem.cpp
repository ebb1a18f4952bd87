// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/StatusNotifierItem.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QEventLoop>
#include <QTimer>

namespace {

constexpr int callTimeoutMs = 5000;

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

public:
    explicit StatusNotifierItemAdaptor(StatusNotifierItem* item) : QDBusAbstractAdaptor(item), m_item(item) {}

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("quintaval"); }
    QString title() const { return QStringLiteral("Quintaval"); }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    // Empty, so that hosts take the pictures of IconPixmap.
    QString iconName() const { return {}; }
    StatusNotifierImageList iconPixmap() const { return m_item->m_icon; }
    StatusNotifierToolTip toolTip() const { return {{}, {}, title(), m_item->m_toolTip}; }
    bool itemIsMenu() const { return false; }
    QString label() const { return m_item->m_title; }
    QString labelGuide() const { return m_item->m_labelGuide; }

public Q_SLOTS:
    void Activate(int x, int y) { Q_EMIT m_item->activated(QPoint(x, y)); }
    // The item has no menu of its own: every kind of click opens the panel.
    void SecondaryActivate(int x, int y) { Q_EMIT m_item->activated(QPoint(x, y)); }
    void ContextMenu(int x, int y) { Q_EMIT m_item->activated(QPoint(x, y)); }
    // Answered, so that a turn of the wheel over the item does not come back as an error.
    void Scroll(int, const QString&) {}

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
    m_watcherWatcher = new QDBusServiceWatcher(
        watcher, m_connection, QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration,
        this);
    connect(m_watcherWatcher, &QDBusServiceWatcher::serviceRegistered, this, &StatusNotifierItem::registerWithWatcher);
    connect(m_watcherWatcher, &QDBusServiceWatcher::serviceUnregistered, this, &StatusNotifierItem::onWatcherGone);
    // Matching on the well-known name follows a watcher that restarts under a new owner.
    const QString path = QString::fromLatin1(StatusNotifierTypes::watcherPath);
    const QString interface = QString::fromLatin1(StatusNotifierTypes::watcherInterface);
    m_connection.connect(watcher, path, interface, QStringLiteral("StatusNotifierHostRegistered"), this,
                         SLOT(onHostRegistered()));
    m_connection.connect(watcher, path, interface, QStringLiteral("StatusNotifierHostUnregistered"), this,
                         SLOT(onHostUnregistered()));

    m_problem = QStringLiteral("no StatusNotifierWatcher on the session bus");
    if (m_connection.interface()->isServiceRegistered(watcher)) {
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
    m_labelGuide = labelGuideFor(title);
    if (m_adaptor) {
        Q_EMIT m_adaptor->XAyatanaNewLabel(m_title, m_labelGuide);
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

void StatusNotifierItem::setToolTip(const QString& text)
{
    if (text == m_toolTip) {
        return;
    }
    m_toolTip = text;
    if (m_adaptor) {
        Q_EMIT m_adaptor->NewToolTip();
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
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(StatusNotifierTypes::watcherService), QString::fromLatin1(StatusNotifierTypes::watcherPath),
        QString::fromLatin1(StatusNotifierTypes::watcherInterface), QStringLiteral("RegisterStatusNotifierItem"));
    call << m_serviceName;
    callWatcher(call, attempt, &StatusNotifierItem::onRegisterReply);
}

void StatusNotifierItem::onRegisterReply(const QDBusMessage& reply, quint64 attempt)
{
    if (attempt != m_attempt) {
        return;
    }
    if (reply.type() == QDBusMessage::ErrorMessage) {
        m_registered = false;
        m_problem = QStringLiteral("the StatusNotifierWatcher refused the item (%1)").arg(reply.errorMessage());
        finishPending();
        updatePresence();
        return;
    }
    m_registered = true;
    queryHost(attempt);
}

// A watcher can run without any status bar drawing its items; only a host makes the item visible.
void StatusNotifierItem::queryHost(quint64 attempt)
{
    m_pending = true;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(StatusNotifierTypes::watcherService), QString::fromLatin1(StatusNotifierTypes::watcherPath),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << QString::fromLatin1(StatusNotifierTypes::watcherInterface)
         << QStringLiteral("IsStatusNotifierHostRegistered");
    callWatcher(call, attempt, &StatusNotifierItem::onHostReply);
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

void StatusNotifierItem::onWatcherGone()
{
    ++m_attempt;
    m_registered = false;
    m_hostRegistered = false;
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
