// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleObject>

// The program as a screen reader sees it: its windows, the drop-down panel among them. The
// toolkit's own root lists no pop-up, and the panel is one wherever the pointer follows clicks.
class ApplicationAccessible final : public QAccessibleObject
{
public:
    ApplicationAccessible();

    QWindow* window() const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
};
