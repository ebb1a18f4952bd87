// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/statusitem/dbusmenu/DBusMenu.h"

#include "app/platform/statusitem/dbusmenu/DBusMenuTypes.h"

#include <QAction>
#include <QDBusAbstractAdaptor>
#include <QDBusContext>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QTimer>

namespace {

constexpr char menuPath[] = "/MenuBar";
const QString unknownIdError = QStringLiteral("com.canonical.dbusmenu.UnknownId");

// Menus on the bus mark the mnemonic with '_' where Qt uses '&'.
QString busLabel(const QString& text)
{
    QString label;
    label.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'_') {
            label += QStringLiteral("__");
        } else if (c == u'&' && i + 1 < text.size()) {
            ++i;
            label += text.at(i) == u'&' ? QStringLiteral("&") : QStringLiteral("_") + text.at(i);
        } else {
            label += c;
        }
    }
    return label;
}

// Only what differs from the protocol's defaults (a visible, enabled, standard entry) is sent.
QVariantMap propertiesOf(const QAction* action)
{
    QVariantMap properties;
    if (action->isSeparator()) {
        properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
    } else {
        properties.insert(QStringLiteral("label"), busLabel(action->text()));
    }
    if (!action->isEnabled()) {
        properties.insert(QStringLiteral("enabled"), false);
    }
    if (!action->isVisible()) {
        properties.insert(QStringLiteral("visible"), false);
    }
    return properties;
}

QVariantMap rootProperties()
{
    return {{QStringLiteral("children-display"), QStringLiteral("submenu")}};
}

QVariantMap filtered(const QVariantMap& properties, const QStringList& names)
{
    if (names.isEmpty()) {
        return properties;
    }
    QVariantMap kept;
    for (const QString& name : names) {
        if (properties.contains(name)) {
            kept.insert(name, properties.value(name));
        }
    }
    return kept;
}

} // namespace

// The object status bars talk to. Method, signal and property names are the protocol's.
class DBusMenuAdaptor final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    explicit DBusMenuAdaptor(DBusMenu* menu) : QDBusAbstractAdaptor(menu), m_menu(menu) {}

    uint version() const { return 3; }
    QString textDirection() const
    {
        return QGuiApplication::layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl") : QStringLiteral("ltr");
    }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public Q_SLOTS:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames, DBusMenuLayoutItem& layout)
    {
        if (parentId != 0) {
            const QAction* entry = m_menu->action(parentId);
            if (!entry) {
                m_menu->sendErrorReply(unknownIdError, QStringLiteral("no menu entry %1").arg(parentId));
                return 0;
            }
            layout = {parentId, filtered(propertiesOf(entry), propertyNames), {}};
            return m_menu->m_revision;
        }
        layout = {0, filtered(rootProperties(), propertyNames), {}};
        if (recursionDepth != 0) {
            for (qsizetype i = 0; i < m_menu->m_actions.size(); ++i) {
                if (const QAction* entry = m_menu->m_actions.at(i)) {
                    layout.children.append({int(i + 1), filtered(propertiesOf(entry), propertyNames), {}});
                }
            }
        }
        return m_menu->m_revision;
    }

    DBusMenuItemList GetGroupProperties(const QList<int>& ids, const QStringList& propertyNames)
    {
        DBusMenuItemList items;
        QList<int> wanted = ids;
        if (wanted.isEmpty()) {
            for (qsizetype i = 0; i <= m_menu->m_actions.size(); ++i) {
                wanted.append(int(i));
            }
        }
        for (const int id : wanted) {
            if (id == 0) {
                items.append({0, filtered(rootProperties(), propertyNames)});
            } else if (const QAction* entry = m_menu->action(id)) {
                items.append({id, filtered(propertiesOf(entry), propertyNames)});
            }
        }
        return items;
    }

    QDBusVariant GetProperty(int id, const QString& name)
    {
        const QAction* entry = m_menu->action(id);
        if (id != 0 && !entry) {
            m_menu->sendErrorReply(unknownIdError, QStringLiteral("no menu entry %1").arg(id));
            return QDBusVariant(QString());
        }
        const QVariantMap properties = id == 0 ? rootProperties() : propertiesOf(entry);
        if (!properties.contains(name)) {
            m_menu->sendErrorReply(QDBusError::InvalidArgs,
                                   QStringLiteral("entry %1 has no property %2").arg(id).arg(name));
            return QDBusVariant(QString());
        }
        return QDBusVariant(properties.value(name));
    }

    void Event(int id, const QString& eventId, const QDBusVariant&, uint)
    {
        if (id != 0 && !m_menu->action(id)) {
            m_menu->sendErrorReply(unknownIdError, QStringLiteral("no menu entry %1").arg(id));
            return;
        }
        handle(id, eventId);
    }

    QList<int> EventGroup(const DBusMenuEventList& events)
    {
        QList<int> unknown;
        for (const DBusMenuEvent& event : events) {
            if (event.id != 0 && !m_menu->action(event.id)) {
                unknown.append(event.id);
            } else {
                handle(event.id, event.eventId);
            }
        }
        if (!events.isEmpty() && unknown.size() == events.size()) {
            m_menu->sendErrorReply(unknownIdError, QStringLiteral("no such menu entries"));
        }
        return unknown;
    }

    // The entries never change just because the menu opens.
    bool AboutToShow(int) { return false; }

    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors)
    {
        idErrors.clear();
        for (const int id : ids) {
            if (id != 0 && !m_menu->action(id)) {
                idErrors.append(id);
            }
        }
        return {};
    }

Q_SIGNALS:
    void ItemsPropertiesUpdated(const DBusMenuItemList& updatedProps, const DBusMenuItemKeysList& removedProps);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

private:
    void handle(int id, const QString& eventId)
    {
        if (eventId != QStringLiteral("clicked")) {
            return;
        }
        // After the reply: the action may quit the program or open a window that takes the pointer.
        QTimer::singleShot(0, m_menu, [menu = m_menu, id] {
            if (QAction* entry = menu->action(id); entry && entry->isEnabled()) {
                entry->trigger();
            }
        });
    }

    DBusMenu* m_menu;
};

DBusMenu::DBusMenu(const QDBusConnection& connection, QObject* parent) : QObject(parent), m_connection(connection)
{
    DBusMenuTypes::registerTypes();
    m_adaptor = new DBusMenuAdaptor(this);
    m_exported = m_connection.isConnected() &&
                 m_connection.registerObject(QString::fromLatin1(menuPath), this, QDBusConnection::ExportAdaptors);
}

DBusMenu::~DBusMenu()
{
    if (m_exported) {
        m_connection.unregisterObject(QString::fromLatin1(menuPath));
    }
}

QDBusObjectPath DBusMenu::objectPath() const
{
    return m_exported ? QDBusObjectPath(QString::fromLatin1(menuPath)) : QDBusObjectPath();
}

void DBusMenu::setActions(const QList<QAction*>& actions)
{
    for (const QPointer<QAction>& old : std::as_const(m_actions)) {
        if (old) {
            disconnect(old, nullptr, this, nullptr);
        }
    }
    m_actions.clear();
    for (QAction* entry : actions) {
        m_actions.append(entry);
        connect(entry, &QAction::changed, this, [this, entry] {
            if (!m_exported) {
                return;
            }
            // A property back at its default is no longer sent, so the host must be told to forget it.
            const int id = int(m_actions.indexOf(entry) + 1);
            const QVariantMap properties = propertiesOf(entry);
            QStringList removed;
            for (const QString& name : {QStringLiteral("label"), QStringLiteral("type"), QStringLiteral("enabled"),
                                        QStringLiteral("visible")}) {
                if (!properties.contains(name)) {
                    removed.append(name);
                }
            }
            Q_EMIT m_adaptor->ItemsPropertiesUpdated({{id, properties}}, {{id, removed}});
        });
        connect(entry, &QObject::destroyed, this, &DBusMenu::layoutChanged);
    }
    layoutChanged();
}

QList<QAction*> DBusMenu::actions() const
{
    QList<QAction*> present;
    for (const QPointer<QAction>& entry : m_actions) {
        if (entry) {
            present.append(entry);
        }
    }
    return present;
}

QAction* DBusMenu::action(int id) const
{
    return id >= 1 && id <= m_actions.size() ? m_actions.at(id - 1).data() : nullptr;
}

void DBusMenu::layoutChanged()
{
    ++m_revision;
    if (m_exported) {
        Q_EMIT m_adaptor->LayoutUpdated(m_revision, 0);
    }
}

#include "DBusMenu.moc"
