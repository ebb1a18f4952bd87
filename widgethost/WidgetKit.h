// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The contract between quintaval-widgets and the widget plug-ins it loads. A plug-in is a Qt
// plug-in (QPluginLoader) whose root object implements WidgetKit::WidgetBundle; everything it
// hands over is described below. This header is all a plug-in needs from the host: it is
// header-only, so a plug-in links nothing of the host.

#include <QColor>
#include <QDateTime>
#include <QList>
#include <QSize>
#include <QString>
#include <QtPlugin>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QObject;
class QWidget;

namespace WidgetKit {

// The sizes a placed widget can have. A plug-in must draw something sensible for a family it
// does not list among its supported ones (a later host may offer more).
enum class WidgetFamily { small, medium, large, extraLarge };

// The drawing size of a family, in device-independent pixels.
inline QSize familySize(WidgetFamily family)
{
    switch (family) {
    case WidgetFamily::small:
        return {170, 170};
    case WidgetFamily::medium:
        return {364, 170};
    case WidgetFamily::large:
        return {364, 382};
    case WidgetFamily::extraLarge:
        return {756, 382};
    }
    return {170, 170};
}

// "small", "medium", "large", "extraLarge": the names used on the command line and in the
// host's stored placements.
inline QString familyName(WidgetFamily family)
{
    switch (family) {
    case WidgetFamily::small:
        return QStringLiteral("small");
    case WidgetFamily::medium:
        return QStringLiteral("medium");
    case WidgetFamily::large:
        return QStringLiteral("large");
    case WidgetFamily::extraLarge:
        return QStringLiteral("extraLarge");
    }
    return {};
}

inline std::optional<WidgetFamily> familyFromName(const QString& name)
{
    for (const auto family :
         {WidgetFamily::small, WidgetFamily::medium, WidgetFamily::large, WidgetFamily::extraLarge}) {
        if (familyName(family) == name) {
            return family;
        }
    }
    return std::nullopt;
}

enum class ColorScheme { light, dark };

// One dated state of a widget. Plug-ins derive their own entries from it and add the fields
// their views need.
struct TimelineEntry
{
    explicit TimelineEntry(QDateTime entryDate) : date(std::move(entryDate)) {}
    virtual ~TimelineEntry() = default;

    // When the host is to start showing this entry.
    QDateTime date;

    // The entry's own fields on one line, for listings such as `quintaval-widgets --timeline`.
    virtual QString summary() const = 0;
};

using EntryPointer = std::shared_ptr<const TimelineEntry>;

// When the host is to ask the provider for a new timeline.
struct ReloadPolicy
{
    enum class Kind { atEnd, after, never };
    Kind kind = Kind::atEnd;
    QDateTime date; // for Kind::after

    static ReloadPolicy atEnd() { return {}; }
    static ReloadPolicy after(QDateTime date) { return {Kind::after, std::move(date)}; }
    static ReloadPolicy never() { return {Kind::never, {}}; }
};

// Entries in ascending date order. The host shows the latest entry whose date is not after
// the present instant, and the first one while all lie ahead.
struct Timeline
{
    std::vector<EntryPointer> entries;
    ReloadPolicy policy;
};

// What the host tells a provider about a request.
struct TimelineContext
{
    WidgetFamily family = WidgetFamily::small;
    QSize displaySize = familySize(WidgetFamily::small);
    bool isPreview = false;
    // The present instant as the host sees it: the system clock, or the instant a rendering
    // is made for. Providers take it instead of reading a clock of their own.
    QDateTime now;
};

// Called by the host on its main thread. A provider may call the completion later or from
// another thread; the host then takes the result back to its main thread.
class TimelineProvider
{
public:
    virtual ~TimelineProvider() = default;
    // An entry to draw at once, before the first timeline, without expensive work.
    virtual EntryPointer placeholder(const TimelineContext& context) const = 0;
    // The entry for the present instant, for the gallery's previews and one-off renderings.
    virtual void getSnapshot(const TimelineContext& context, std::function<void(EntryPointer)> completion) const = 0;
    virtual void getTimeline(const TimelineContext& context, std::function<void(Timeline)> completion) const = 0;

    // For timelines that go out of date before their reload policy says, as when a setting they
    // are made from changes: the provider calls `reload` on the host's main thread for as long as
    // `context` lives, and the host then asks for a new timeline. By default it never does.
    virtual void addReloadListener(QObject* context, std::function<void()> reload) const
    {
        Q_UNUSED(context);
        Q_UNUSED(reload);
    }
};

// How the host is drawing a view.
struct WidgetEnvironment
{
    WidgetFamily family = WidgetFamily::small;
    // The desktop's scheme, or the widget's forced one.
    ColorScheme colorScheme = ColorScheme::light;
};

// One kind of widget, as a bundle declares it.
struct WidgetConfiguration
{
    QString kind;
    QString displayName;
    QString description;
    QList<WidgetFamily> supportedFamilies;
    std::shared_ptr<const TimelineProvider> provider;
    // A new, parentless view of an entry of this widget's provider; the host owns it, sizes it
    // to familySize(environment.family) and draws it over the container background.
    std::function<QWidget*(const TimelineEntry& entry, const WidgetEnvironment& environment)> makeView;
    QColor containerBackground;
    // Drawn in this scheme whatever the desktop's.
    std::optional<ColorScheme> forcedColorScheme;
};

// The root object of a widget plug-in.
class WidgetBundle
{
public:
    virtual ~WidgetBundle() = default;
    virtual QList<WidgetConfiguration> widgets() const = 0;
};

} // namespace WidgetKit

// 1.1: TimelineProvider::addReloadListener.
#define QuintavalWidgetBundle_iid "org.quintaval.WidgetKit.WidgetBundle/1.1"
Q_DECLARE_INTERFACE(WidgetKit::WidgetBundle, QuintavalWidgetBundle_iid)
