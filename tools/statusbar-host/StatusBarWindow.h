// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QWidget>

class StatusNotifierWatcher;

// A bar across the top of the screen with each item's icon and label, right-aligned as
// desktop status bars place them. A click on an item is forwarded to it with the point just
// under the bar where its panel belongs.
class StatusBarWindow final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int barHeight = 28;

    explicit StatusBarWindow(StatusNotifierWatcher* watcher, QWidget* parent = nullptr);

    // The item's place on the bar, in global coordinates; empty for an unknown item.
    QRect itemGeometry(const QString& key) const;
    // Clicks the item's centre with `button` as a user would.
    bool click(const QString& key, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Each item's rectangle in the bar's own coordinates, in the watcher's order.
    QList<QRect> layoutItems() const;
    QFont labelFont() const;

    StatusNotifierWatcher* m_watcher;
};
