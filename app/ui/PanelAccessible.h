// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

// What a screen reader is told of the panel's own widgets: a role the toolkit cannot guess (the
// panel is a window, the date header one line of text), and pictures that only decorate, kept out
// of the reading. A widget asks for it by properties, so the sections stay plain widgets:
// "accessibleRole" (a QAccessible::Role) and "decorative" (true).
class PanelAccessible final : public QAccessibleWidget
{
public:
    explicit PanelAccessible(QWidget* widget);

    QAccessible::State state() const override;

    // Installs the factory, and the application's root that lists the drop-down among its windows
    // (the toolkit leaves pop-ups out, and a reader would never find the panel). Before the first
    // window is shown.
    static void install();

    static void setRole(QWidget* widget, QAccessible::Role role);
    static void setDecorative(QWidget* widget);
};
