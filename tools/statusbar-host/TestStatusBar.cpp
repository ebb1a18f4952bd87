// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/statusbar-host/TestStatusBar.h"

#include "tools/statusbar-host/StatusBarWindow.h"
#include "tools/statusbar-host/StatusNotifierWatcher.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <iterator>

TestStatusBar::TestStatusBar(StatusNotifierWatcher* watcher, StatusBarWindow* bar, QObject* parent)
    : QObject(parent), m_watcher(watcher), m_bar(bar)
{}

QStringList TestStatusBar::Items() const
{
    return m_watcher->registeredItems();
}

QVariantMap TestStatusBar::Item(const QString& key) const
{
    const HostedItem* item = m_watcher->item(key);
    if (!item) {
        return {};
    }
    QStringList iconSizes;
    for (const QImage& image : item->icon) {
        iconSizes.append(QStringLiteral("%1x%2").arg(image.width()).arg(image.height()));
    }
    const QRect geometry = m_bar->itemGeometry(key);
    return {
        {QStringLiteral("service"), item->service},
        {QStringLiteral("path"), item->path},
        {QStringLiteral("id"), item->id},
        {QStringLiteral("title"), item->title},
        {QStringLiteral("category"), item->category},
        {QStringLiteral("status"), item->status},
        {QStringLiteral("itemIsMenu"), item->itemIsMenu},
        {QStringLiteral("label"), item->label},
        {QStringLiteral("labelGuide"), item->labelGuide},
        {QStringLiteral("toolTipTitle"), item->toolTipTitle},
        {QStringLiteral("toolTipText"), item->toolTipText},
        {QStringLiteral("iconSizes"), iconSizes},
        {QStringLiteral("left"), geometry.left()},
        {QStringLiteral("top"), geometry.top()},
        {QStringLiteral("width"), geometry.width()},
        {QStringLiteral("height"), geometry.height()},
        {QStringLiteral("labelSignals"), item->labelSignals},
        {QStringLiteral("iconSignals"), item->iconSignals},
        {QStringLiteral("toolTipSignals"), item->toolTipSignals},
        {QStringLiteral("fetches"), item->fetches},
    };
}

bool TestStatusBar::Click(const QString& key, const QString& button)
{
    const Qt::MouseButton mouseButton = button == QStringLiteral("right")    ? Qt::RightButton
                                        : button == QStringLiteral("middle") ? Qt::MiddleButton
                                                                             : Qt::LeftButton;
    return m_bar->click(key, mouseButton);
}

bool TestStatusBar::Drop(const QString& key)
{
    return m_watcher->drop(key);
}

bool TestStatusBar::Screenshot(const QString& path, bool wholeScreen)
{
    const QPixmap picture = wholeScreen ? m_bar->screen()->grabWindow(0) : m_bar->grab();
    return !picture.isNull() && picture.save(path, "PNG");
}

bool TestStatusBar::ScreenshotArea(const QString& path, int x, int y, int width, int height)
{
    const QPixmap picture = m_bar->screen()->grabWindow(0, x, y, width, height);
    return !picture.isNull() && picture.save(path, "PNG");
}

bool TestStatusBar::SaveIcons(const QString& key, const QString& path)
{
    const HostedItem* item = m_watcher->item(key);
    if (!item) {
        return false;
    }
    constexpr int sizes[] = {16, 22, 24};
    constexpr int enlarged = 4;
    constexpr int gap = 8;
    QList<QImage> icons;
    int width = gap;
    for (const int size : sizes) {
        const auto found = std::find_if(item->icon.cbegin(), item->icon.cend(),
                                        [size](const QImage& image) { return image.height() == size; });
        if (found == item->icon.cend()) {
            return false;
        }
        icons.append(*found);
        width += size + gap + size * enlarged + 2 * gap;
    }
    const int stripHeight = sizes[std::size(sizes) - 1] * enlarged + 2 * gap;
    QImage sheet(width, 2 * stripHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&sheet);
    const QColor panels[] = {QColor(0xee, 0xee, 0xee), QColor(0x2b, 0x2b, 0x2b)};
    for (int strip = 0; strip < 2; ++strip) {
        const int top = strip * stripHeight;
        painter.fillRect(0, top, width, stripHeight, panels[strip]);
        int x = gap;
        for (const QImage& icon : std::as_const(icons)) {
            painter.drawImage(x, top + (stripHeight - icon.height()) / 2, icon);
            x += icon.width() + gap;
            const QImage large = icon.scaled(icon.size() * enlarged, Qt::KeepAspectRatio, Qt::FastTransformation);
            painter.drawImage(x, top + (stripHeight - large.height()) / 2, large);
            x += large.width() + 2 * gap;
        }
    }
    painter.end();
    return sheet.save(path, "PNG");
}

void TestStatusBar::Quit()
{
    // After the reply has gone out.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}
