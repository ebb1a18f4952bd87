// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/statusbar-host/StatusNotifierWatcher.h"

#include "app/platform/statusitem/StatusNotifierTypes.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QPoint>

#include <algorithm>

namespace {

const QString itemInterface = QString::fromLatin1(StatusNotifierTypes::itemInterface);

} // namespace

StatusNotifierWatcher::StatusNotifierWatcher(const QDBusConnection& connection, bool hostRegistered, QObject* parent)
    : QObject(parent), m_connection(connection), m_hostRegistered(hostRegistered),
      m_itemServices(new QDBusServiceWatcher(QString(), connection, QDBusServiceWatcher::WatchForUnregistration, this))
{
    StatusNotifierTypes::registerTypes();
    connect(m_itemServices, &QDBusServiceWatcher::serviceUnregistered, this, &StatusNotifierWatcher::remove);
}

bool StatusNotifierWatcher::start(QString* error)
{
    // The object first: an item that sees the name appear calls it at once.
    if (!m_connection.registerObject(QString::fromLatin1(StatusNotifierTypes::watcherPath), this,
                                     QDBusConnection::ExportScriptableContents |
                                         QDBusConnection::ExportAllProperties)) {
        *error = QStringLiteral("cannot export the watcher object");
        return false;
    }
    if (!m_connection.registerService(QString::fromLatin1(StatusNotifierTypes::watcherService))) {
        *error = QStringLiteral("another StatusNotifierWatcher runs on this bus");
        return false;
    }
    return true;
}

QStringList StatusNotifierWatcher::registeredItems() const
{
    QStringList keys;
    for (const HostedItem& item : m_items) {
        keys.append(item.key);
    }
    return keys;
}

const HostedItem* StatusNotifierWatcher::item(const QString& key) const
{
    const auto found = std::find_if(m_items.begin(), m_items.end(), [&](const HostedItem& i) { return i.key == key; });
    return found == m_items.end() ? nullptr : &*found;
}

HostedItem* StatusNotifierWatcher::find(const QString& key)
{
    return const_cast<HostedItem*>(std::as_const(*this).item(key));
}

void StatusNotifierWatcher::RegisterStatusNotifierItem(const QString& serviceOrPath)
{
    HostedItem item;
    // Some items name their object path and let the sender's own name stand for the service.
    if (serviceOrPath.startsWith(u'/')) {
        item.service = message().service();
        item.path = serviceOrPath;
    } else {
        item.service = serviceOrPath;
        item.path = QString::fromLatin1(StatusNotifierTypes::itemPath);
    }
    item.key = item.service + item.path;
    item.owner = m_connection.interface()->serviceOwner(item.service);
    if (item.owner.isEmpty()) {
        sendErrorReply(QDBusError::ServiceUnknown, QStringLiteral("%1 is not on the bus").arg(item.service));
        return;
    }
    if (find(item.key)) {
        fetch(item.key);
        return;
    }
    m_items.append(item);
    m_itemServices->addWatchedService(item.service);
    connectItemSignals(item, true);
    fetch(item.key);
    Q_EMIT StatusNotifierItemRegistered(item.key);
    Q_EMIT itemsChanged();
}

void StatusNotifierWatcher::RegisterStatusNotifierHost(const QString&)
{
    if (!m_hostRegistered) {
        m_hostRegistered = true;
        Q_EMIT StatusNotifierHostRegistered();
    }
}

void StatusNotifierWatcher::activate(const QString& key, const QString& method, QPoint globalPosition)
{
    const HostedItem* target = item(key);
    if (!target) {
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(target->service, target->path, itemInterface, method);
    call << globalPosition.x() << globalPosition.y();
    m_connection.asyncCall(call);
}

void StatusNotifierWatcher::connectItemSignals(const HostedItem& item, bool connect)
{
    const auto link = [&](const char* name, const char* slot) {
        if (connect) {
            m_connection.connect(item.service, item.path, itemInterface, QString::fromLatin1(name), this, slot);
        } else {
            m_connection.disconnect(item.service, item.path, itemInterface, QString::fromLatin1(name), this, slot);
        }
    };
    link("NewIcon", SLOT(onNewIcon(QDBusMessage)));
    link("NewToolTip", SLOT(onNewToolTip(QDBusMessage)));
    link("NewTitle", SLOT(onNewTitleOrStatus(QDBusMessage)));
    link("NewStatus", SLOT(onNewTitleOrStatus(QDBusMessage)));
    link("XAyatanaNewLabel", SLOT(onNewLabel(QString, QString, QDBusMessage)));
}

HostedItem* StatusNotifierWatcher::sender(const QDBusMessage& message)
{
    const auto found = std::find_if(m_items.begin(), m_items.end(), [&](const HostedItem& i) {
        return i.owner == message.service() && i.path == message.path();
    });
    return found == m_items.end() ? nullptr : &*found;
}

void StatusNotifierWatcher::onNewIcon(const QDBusMessage& message)
{
    if (HostedItem* item = sender(message)) {
        ++item->iconSignals;
        fetch(item->key);
    }
}

void StatusNotifierWatcher::onNewToolTip(const QDBusMessage& message)
{
    if (HostedItem* item = sender(message)) {
        ++item->toolTipSignals;
        fetch(item->key);
    }
}

void StatusNotifierWatcher::onNewTitleOrStatus(const QDBusMessage& message)
{
    if (HostedItem* item = sender(message)) {
        fetch(item->key);
    }
}

void StatusNotifierWatcher::onNewLabel(const QString& label, const QString& guide, const QDBusMessage& message)
{
    if (HostedItem* item = sender(message)) {
        ++item->labelSignals;
        item->label = label;
        item->labelGuide = guide;
        Q_EMIT itemsChanged();
    }
}

void StatusNotifierWatcher::fetch(const QString& key)
{
    const HostedItem* target = item(key);
    QDBusMessage call = QDBusMessage::createMethodCall(
        target->service, target->path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    call << itemInterface;
    auto* watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, key](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusMessage reply = finished->reply();
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            applyProperties(key, qdbus_cast<QVariantMap>(reply.arguments().constFirst()));
        }
    });
}

void StatusNotifierWatcher::applyProperties(const QString& key, const QVariantMap& properties)
{
    HostedItem* target = find(key);
    if (!target) {
        return;
    }
    ++target->fetches;
    target->id = properties.value(QStringLiteral("Id")).toString();
    target->title = properties.value(QStringLiteral("Title")).toString();
    target->category = properties.value(QStringLiteral("Category")).toString();
    target->status = properties.value(QStringLiteral("Status")).toString();
    target->itemIsMenu = properties.value(QStringLiteral("ItemIsMenu")).toBool();
    target->label = properties.value(QStringLiteral("XAyatanaLabel")).toString();
    target->labelGuide = properties.value(QStringLiteral("XAyatanaLabelGuide")).toString();
    const auto toolTip = qdbus_cast<StatusNotifierToolTip>(properties.value(QStringLiteral("ToolTip")));
    target->toolTipTitle = toolTip.title;
    target->toolTipText = toolTip.text;
    target->icon.clear();
    for (const StatusNotifierImage& image :
         qdbus_cast<StatusNotifierImageList>(properties.value(QStringLiteral("IconPixmap")))) {
        const QImage decoded = image.toImage();
        if (!decoded.isNull()) {
            target->icon.append(decoded);
        }
    }
    Q_EMIT itemsChanged();
}

void StatusNotifierWatcher::remove(const QString& service)
{
    m_itemServices->removeWatchedService(service);
    for (qsizetype i = m_items.size() - 1; i >= 0; --i) {
        if (m_items[i].service == service) {
            forget(i);
        }
    }
    Q_EMIT itemsChanged();
}

bool StatusNotifierWatcher::drop(const QString& key)
{
    const HostedItem* target = item(key);
    if (!target) {
        return false;
    }
    forget(target - m_items.constData());
    Q_EMIT itemsChanged();
    return true;
}

void StatusNotifierWatcher::forget(qsizetype index)
{
    const HostedItem gone = m_items.takeAt(index);
    connectItemSignals(gone, false);
    Q_EMIT StatusNotifierItemUnregistered(gone.key);
}
