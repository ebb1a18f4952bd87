// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/statusbar-host/TestStatusBar.h"

#include "tools/statusbar-host/StatusBarWindow.h"
#include "tools/statusbar-host/StatusNotifierWatcher.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

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

void TestStatusBar::Quit()
{
    // After the reply has gone out.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
}
