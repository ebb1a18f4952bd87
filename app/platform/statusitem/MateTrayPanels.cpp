// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/statusitem/MateTrayPanels.h"

#include <QTimer>

// GIO names a member "signals", which Qt's keywords would turn into an access specifier.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <string>
#include <vector>

namespace {

constexpr char panelSchema[] = "org.mate.panel";
constexpr char objectSchema[] = "org.mate.panel.object";
constexpr char toplevelSchema[] = "org.mate.panel.toplevel";
constexpr char notificationArea[] = "NotificationAreaAppletFactory::NotificationArea";

bool schemaInstalled(const char* id)
{
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema = source ? g_settings_schema_source_lookup(source, id, TRUE) : nullptr;
    if (!schema) {
        return false;
    }
    g_settings_schema_unref(schema);
    return true;
}

// A key of the panel's lists, as it names a settings path: a settings path of ours built from
// anything else would be refused.
bool pathSegment(const std::string& id)
{
    if (id.empty()) {
        return false;
    }
    for (const char c : id) {
        if (!g_ascii_isalnum(c) && c != '-' && c != '_') {
            return false;
        }
    }
    return true;
}

std::string stringOf(GSettings* settings, const char* key)
{
    gchar* value = g_settings_get_string(settings, key);
    std::string text = value ? value : "";
    g_free(value);
    return text;
}

} // namespace

// Every settings object read, each watched for any change: a panel turned, an applet moved to
// another panel, a panel or an applet added or removed.
struct MateTrayPanels::Watched
{
    std::vector<GSettings*> settings;
    std::vector<gulong> handlers;

    ~Watched()
    {
        for (std::size_t i = 0; i < settings.size(); ++i) {
            g_signal_handler_disconnect(settings[i], handlers[i]);
            g_object_unref(settings[i]);
        }
    }

    GSettings* watch(GSettings* added, MateTrayPanels* owner)
    {
        // Read again once the change has been delivered: the objects watched now are dropped then.
        const auto onChange = +[](GSettings*, gchar*, gpointer data) {
            QTimer::singleShot(0, static_cast<MateTrayPanels*>(data), &MateTrayPanels::read);
        };
        handlers.push_back(g_signal_connect(added, "changed", G_CALLBACK(onChange), owner));
        settings.push_back(added);
        return added;
    }
};

MateTrayPanels::MateTrayPanels(QObject* parent) : QObject(parent)
{
    read();
}

MateTrayPanels::~MateTrayPanels() = default;

void MateTrayPanels::read()
{
    m_watched.reset();
    bool vertical = false;
    if (schemaInstalled(panelSchema) && schemaInstalled(objectSchema) && schemaInstalled(toplevelSchema)) {
        m_watched = std::make_unique<Watched>();
        GSettings* panel = m_watched->watch(g_settings_new(panelSchema), this);
        gchar** objects = g_settings_get_strv(panel, "object-id-list");
        for (gchar** id = objects; id && *id; ++id) {
            if (!pathSegment(*id)) {
                continue;
            }
            const std::string objectPath = std::string("/org/mate/panel/objects/") + *id + '/';
            GSettings* object = m_watched->watch(g_settings_new_with_path(objectSchema, objectPath.c_str()), this);
            if (stringOf(object, "applet-iid") != notificationArea) {
                continue;
            }
            const std::string toplevelId = stringOf(object, "toplevel-id");
            if (!pathSegment(toplevelId)) {
                continue;
            }
            const std::string toplevelPath = "/org/mate/panel/toplevels/" + toplevelId + '/';
            GSettings* toplevel =
                m_watched->watch(g_settings_new_with_path(toplevelSchema, toplevelPath.c_str()), this);
            const std::string orientation = stringOf(toplevel, "orientation");
            // One notification area on a vertical panel is enough: the item shows in each.
            vertical = vertical || orientation == "left" || orientation == "right";
        }
        g_strfreev(objects);
    }
    if (vertical != m_vertical) {
        m_vertical = vertical;
        Q_EMIT changed();
    }
}
