// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDBusArgument>
#include <QImage>
#include <QList>
#include <QMetaType>
#include <QString>

// The structures the StatusNotifierItem protocol sends over D-Bus, shared by the item and
// the test status bar that reads it.

// One icon picture, `(iiay)`: ARGB32 pixels in network byte order, row after row.
struct StatusNotifierImage
{
    int width = 0;
    int height = 0;
    QByteArray pixels;

    bool operator==(const StatusNotifierImage&) const = default;

    static StatusNotifierImage fromImage(const QImage& image);
    // A null image when the pixel data does not match the size.
    QImage toImage() const;
};
using StatusNotifierImageList = QList<StatusNotifierImage>;

// `(sa(iiay)ss)`: icon name, icon pictures, title, text.
struct StatusNotifierToolTip
{
    QString iconName;
    StatusNotifierImageList images;
    QString title;
    QString text;
};

Q_DECLARE_METATYPE(StatusNotifierImage)
Q_DECLARE_METATYPE(StatusNotifierToolTip)

QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierImage& image);
const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierImage& image);
QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierToolTip& toolTip);
const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierToolTip& toolTip);

namespace StatusNotifierTypes {

inline constexpr char itemInterface[] = "org.kde.StatusNotifierItem";
inline constexpr char itemPath[] = "/StatusNotifierItem";
inline constexpr char itemId[] = "quintaval";
inline constexpr char itemTitle[] = "Quintaval";
inline constexpr char watcherService[] = "org.kde.StatusNotifierWatcher";
inline constexpr char watcherInterface[] = "org.kde.StatusNotifierWatcher";
inline constexpr char watcherPath[] = "/StatusNotifierWatcher";

// Registers the types with Qt's meta-type system and QtDBus; safe to call more than once.
void registerTypes();

} // namespace StatusNotifierTypes
