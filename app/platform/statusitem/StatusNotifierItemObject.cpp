// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/statusitem/StatusNotifierItemObject.h"

#include "app/platform/statusitem/DBusSignalNow.h"

#include <QDBusAbstractAdaptor>
#include <QMutexLocker>

// The interface the status bar host talks to. Property and method names are the protocol's. Its
// slots run on the object's thread: they only read the values or pass the request on.
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
    explicit StatusNotifierItemAdaptor(StatusNotifierItemObject* item) : QDBusAbstractAdaptor(item), m_item(item) {}

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const
    {
        m_item->noteIdentityRead();
        return QString::fromLatin1(StatusNotifierTypes::itemId);
    }
    QString title() const { return QString::fromLatin1(StatusNotifierTypes::itemTitle); }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    // Empty, so that hosts take the pictures of IconPixmap.
    QString iconName() const { return {}; }
    StatusNotifierImageList iconPixmap() const { return m_item->icon(); }
    StatusNotifierToolTip toolTip() const { return m_item->toolTip(); }
    bool itemIsMenu() const { return false; }
    QString label() const { return m_item->label(); }
    QString labelGuide() const { return m_item->labelGuide(); }
    QDBusObjectPath menu() const { return m_item->menu(); }

public Q_SLOTS:
    void Activate(int x, int y) { Q_EMIT m_item->activated(QPoint(x, y)); }
    // A middle click, or the click of a host that keeps the left one for the menu: the panel too.
    void SecondaryActivate(int x, int y) { Q_EMIT m_item->activated(QPoint(x, y)); }
    // The label extension's form of it, with the click's time and no place.
    void XAyatanaSecondaryActivate(uint) { Q_EMIT m_item->activatedAtPointer(); }
    // Hosts that do not draw the dbusmenu themselves (Plasma without it, for one) ask us to.
    void ContextMenu(int, int) { Q_EMIT m_item->contextMenuRequested(); }
    // Answered, so that a turn of the wheel over the item does not come back as an error.
    void Scroll(int, const QString&) {}
    // Sent before a click by hosts on Wayland (and by Plasma everywhere): the token lets the
    // window the click opens take the focus. Queued like the click, it arrives first.
    void ProvideXdgActivationToken(const QString& token) { Q_EMIT m_item->activationTokenProvided(token); }

    // Declared for the item's description; StatusNotifierItemObject::announce sends them.
Q_SIGNALS:
    void NewIcon();
    void NewToolTip();
    void XAyatanaNewLabel(const QString& label, const QString& guide);

private:
    StatusNotifierItemObject* m_item;
};

StatusNotifierItemObject::StatusNotifierItemObject(const QDBusConnection& connection, const QDBusObjectPath& menu)
    : m_connection(connection), m_menu(menu)
{
    new StatusNotifierItemAdaptor(this);
}

void StatusNotifierItemObject::setLabel(const QString& label, const QString& guide)
{
    const QMutexLocker lock(&m_mutex);
    m_label = label;
    m_labelGuide = guide;
    m_unannounced |= labelChanged;
}

void StatusNotifierItemObject::setIcon(const StatusNotifierImageList& icon)
{
    const QMutexLocker lock(&m_mutex);
    m_icon = icon;
    m_unannounced |= iconChanged;
}

void StatusNotifierItemObject::setToolTip(const QString& title, const QString& text)
{
    const QMutexLocker lock(&m_mutex);
    m_toolTipTitle = title;
    m_toolTip = text;
    m_unannounced |= toolTipChanged;
}

void StatusNotifierItemObject::announce()
{
    unsigned changes = 0;
    QString label;
    QString guide;
    {
        const QMutexLocker lock(&m_mutex);
        std::swap(changes, m_unannounced);
        label = m_label;
        guide = m_labelGuide;
    }
    const QString path = QString::fromLatin1(StatusNotifierTypes::itemPath);
    const QString interface = QString::fromLatin1(StatusNotifierTypes::itemInterface);
    if ((changes & labelChanged) != 0) {
        DBusSignalNow::send(m_connection, path, interface, QStringLiteral("XAyatanaNewLabel"), {label, guide});
    }
    if ((changes & iconChanged) != 0) {
        DBusSignalNow::send(m_connection, path, interface, QStringLiteral("NewIcon"));
    }
    if ((changes & toolTipChanged) != 0) {
        DBusSignalNow::send(m_connection, path, interface, QStringLiteral("NewToolTip"));
    }
}

void StatusNotifierItemObject::noteIdentityRead()
{
    if (m_reportIdentityRead.exchange(false)) {
        Q_EMIT identityRead();
    }
}

QString StatusNotifierItemObject::label() const
{
    const QMutexLocker lock(&m_mutex);
    return m_label;
}

QString StatusNotifierItemObject::labelGuide() const
{
    const QMutexLocker lock(&m_mutex);
    return m_labelGuide;
}

StatusNotifierImageList StatusNotifierItemObject::icon() const
{
    const QMutexLocker lock(&m_mutex);
    return m_icon;
}

StatusNotifierToolTip StatusNotifierItemObject::toolTip() const
{
    const QMutexLocker lock(&m_mutex);
    const QString title = m_toolTipTitle.isEmpty() ? QString::fromLatin1(StatusNotifierTypes::itemTitle) : m_toolTipTitle;
    return {{}, {}, title, m_toolTip};
}

#include "StatusNotifierItemObject.moc"
