// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/ApplicationAccessible.h"

#include <QGuiApplication>
#include <QWindow>

namespace {

QObjectList windowRoots()
{
    QObjectList roots;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (window->type() == Qt::Desktop) {
            continue;
        }
        if (QAccessibleInterface* root = window->accessibleRoot(); root && root->object()) {
            roots.append(root->object());
        }
    }
    return roots;
}

} // namespace

ApplicationAccessible::ApplicationAccessible() : QAccessibleObject(qApp) {}

QWindow* ApplicationAccessible::window() const
{
    return nullptr;
}

int ApplicationAccessible::childCount() const
{
    return static_cast<int>(windowRoots().size());
}

int ApplicationAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child ? static_cast<int>(windowRoots().indexOf(child->object())) : -1;
}

QAccessibleInterface* ApplicationAccessible::focusChild() const
{
    QWindow* focused = QGuiApplication::focusWindow();
    return focused ? focused->accessibleRoot() : nullptr;
}

QAccessibleInterface* ApplicationAccessible::parent() const
{
    return nullptr;
}

QAccessibleInterface* ApplicationAccessible::child(int index) const
{
    const QObjectList roots = windowRoots();
    return index >= 0 && index < roots.size() ? QAccessible::queryAccessibleInterface(roots.at(index)) : nullptr;
}

QString ApplicationAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return QGuiApplication::applicationName();
    case QAccessible::Description:
        return QGuiApplication::applicationDisplayName();
    default:
        return {};
    }
}

QAccessible::Role ApplicationAccessible::role() const
{
    return QAccessible::Application;
}

QAccessible::State ApplicationAccessible::state() const
{
    return {};
}
