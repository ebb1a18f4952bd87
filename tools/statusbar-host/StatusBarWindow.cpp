// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/statusbar-host/StatusBarWindow.h"

#include "tools/statusbar-host/StatusNotifierWatcher.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace {

constexpr int iconSize = 22;
constexpr int padding = 6;
constexpr int iconLabelSpacing = 4;

// The picture whose size suits the bar best: the smallest not below it, else the largest.
QImage bestIcon(const QList<QImage>& icon)
{
    QImage best;
    for (const QImage& image : icon) {
        const bool fits = image.height() >= iconSize;
        const bool bestFits = !best.isNull() && best.height() >= iconSize;
        if (best.isNull() || (fits && (!bestFits || image.height() < best.height())) ||
            (!fits && !bestFits && image.height() > best.height())) {
            best = image;
        }
    }
    return best;
}

} // namespace

StatusBarWindow::StatusBarWindow(StatusNotifierWatcher* watcher, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint),
      m_watcher(watcher)
{
    setWindowTitle(QStringLiteral("Test status bar"));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    setGeometry(screen.left(), screen.top(), screen.width(), barHeight);
    connect(m_watcher, &StatusNotifierWatcher::itemsChanged, this, qOverload<>(&QWidget::update));
}

QFont StatusBarWindow::labelFont() const
{
    QFont font = this->font();
    // The resolved family: an alias such as "Sans Serif" in the list would let the emoji font,
    // which has digits and spaces of its own, take over the text.
    font.setFamilies({QFontInfo(font).family(), QStringLiteral("Noto Color Emoji")});
    font.setPixelSize(14);
    return font;
}

QList<QRect> StatusBarWindow::layoutItems() const
{
    const QFontMetrics metrics(labelFont());
    QList<int> widths;
    int total = 0;
    for (const HostedItem& item : m_watcher->items()) {
        int width = padding + iconSize + padding;
        if (!item.label.isEmpty()) {
            width += iconLabelSpacing + metrics.horizontalAdvance(item.label);
        }
        widths.append(width);
        total += width;
    }
    QList<QRect> rects;
    int x = width() - total;
    for (const int itemWidth : widths) {
        rects.append(QRect(x, 0, itemWidth, barHeight));
        x += itemWidth;
    }
    return rects;
}

QRect StatusBarWindow::itemGeometry(const QString& key) const
{
    const QList<QRect> rects = layoutItems();
    const QList<HostedItem>& items = m_watcher->items();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i].key == key) {
            return QRect(mapToGlobal(rects[i].topLeft()), rects[i].size());
        }
    }
    return {};
}

bool StatusBarWindow::click(const QString& key, Qt::MouseButton button)
{
    const QRect geometry = itemGeometry(key);
    if (geometry.isEmpty()) {
        return false;
    }
    const QPointF local = mapFromGlobal(geometry.center());
    QMouseEvent press(QEvent::MouseButtonPress, local, mapToGlobal(local), button, button, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, mapToGlobal(local), button, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &press);
    QCoreApplication::sendEvent(this, &release);
    return true;
}

void StatusBarWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x2b, 0x2b, 0x2b));
    painter.setFont(labelFont());
    painter.setPen(QColor(0xee, 0xee, 0xee));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QList<QRect> rects = layoutItems();
    const QList<HostedItem>& items = m_watcher->items();
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QRect& r = rects[i];
        const QImage icon = bestIcon(items[i].icon);
        const QRect iconRect(r.left() + padding, (barHeight - iconSize) / 2, iconSize, iconSize);
        if (!icon.isNull()) {
            painter.drawImage(iconRect, icon);
        }
        const QRect labelRect(iconRect.right() + 1 + iconLabelSpacing, 0, r.right() - iconRect.right(), barHeight);
        painter.drawText(labelRect, Qt::AlignLeft | Qt::AlignVCenter, items[i].label);
    }
}

void StatusBarWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const QList<QRect> rects = layoutItems();
    const QList<HostedItem>& items = m_watcher->items();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (!rects[i].contains(event->position().toPoint())) {
            continue;
        }
        const QString method = event->button() == Qt::RightButton    ? QStringLiteral("ContextMenu")
                               : event->button() == Qt::MiddleButton ? QStringLiteral("SecondaryActivate")
                                                                     : QStringLiteral("Activate");
        // Just under the bar, where the click was.
        const QPoint point = mapToGlobal(QPoint(event->position().toPoint().x(), barHeight));
        m_watcher->activate(items[i].key, method, point);
        return;
    }
}
