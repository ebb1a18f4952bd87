// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/PanelAccessible.h"

#include "app/ui/ApplicationAccessible.h"

#include <QApplication>
#include <QWidget>

namespace {

const char* const roleProperty = "accessibleRole";
const char* const decorativeProperty = "decorative";

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (object == qApp &&
        (className == QLatin1String("QApplication") || className == QLatin1String("QGuiApplication"))) {
        return new ApplicationAccessible;
    }
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || (!widget->property(roleProperty).isValid() && !widget->property(decorativeProperty).toBool())) {
        return nullptr;
    }
    return new PanelAccessible(widget);
}

QAccessible::Role roleOf(QWidget* widget)
{
    const QVariant role = widget->property(roleProperty);
    return role.isValid() ? static_cast<QAccessible::Role>(role.toInt()) : QAccessible::Graphic;
}

// A widget's text set before its role (a label made, then marked) has already had the toolkit's
// interface made and kept: it is made again, through the factory.
void forgetInterface(QWidget* widget)
{
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

} // namespace

PanelAccessible::PanelAccessible(QWidget* widget) : QAccessibleWidget(widget, roleOf(widget)) {}

QAccessible::State PanelAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (widget()->property(decorativeProperty).toBool()) {
        state.invisible = true;
    }
    return state;
}

void PanelAccessible::install()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(factory);
    }
}

void PanelAccessible::setRole(QWidget* widget, QAccessible::Role role)
{
    widget->setProperty(roleProperty, static_cast<int>(role));
    forgetInterface(widget);
}

void PanelAccessible::setDecorative(QWidget* widget)
{
    widget->setProperty(decorativeProperty, true);
    forgetInterface(widget);
}
