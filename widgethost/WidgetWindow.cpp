// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgethost/WidgetWindow.h"

#include "widgethost/FaceRenderer.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QWindow>

WidgetWindow::WidgetWindow(const QString& placementId, const WidgetKit::WidgetConfiguration& configuration,
                           WidgetKit::WidgetFamily family, HostClock& clock, WidgetKit::ColorScheme desktopScheme)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint), m_placementId(placementId),
      m_configuration(configuration), m_family(family), m_desktopScheme(desktopScheme),
      m_keeper(configuration, family, clock)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(configuration.displayName);
    const QSize size = WidgetKit::familySize(family);
    setFixedSize(size);
    // Without a compositor the translucent corners would show black; the mask cuts them.
    setMask(QRegion(FaceRenderer::containerShape(size).toFillPolygon().toPolygon()));
    connect(&m_keeper, &TimelineKeeper::entryChanged, this, &WidgetWindow::redraw);
    m_keeper.start();
}

void WidgetWindow::setDesktopScheme(WidgetKit::ColorScheme scheme)
{
    m_desktopScheme = scheme;
    redraw();
}

void WidgetWindow::redraw()
{
    if (const auto entry = m_keeper.currentEntry()) {
        m_face = FaceRenderer::render(m_configuration, m_family, *entry, m_desktopScheme, devicePixelRatioF());
        update();
    }
}

void WidgetWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPoint(), m_face);
}

void WidgetWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    // The window manager moves the window where it can (and must, on Wayland); elsewhere the
    // window follows the pointer itself.
    if (windowHandle() && windowHandle()->startSystemMove()) {
        return;
    }
    m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void WidgetWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragOffset && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - *m_dragOffset);
    }
}

void WidgetWindow::mouseReleaseEvent(QMouseEvent*)
{
    m_dragOffset.reset();
}

void WidgetWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (isVisible()) {
        Q_EMIT moved(m_placementId, pos());
    }
}

void WidgetWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(tr("Add Widgets…"), this, &WidgetWindow::galleryRequested);
    menu.addSeparator();
    menu.addAction(tr("Remove Widget"), this, [this] { Q_EMIT removeRequested(m_placementId); });
    menu.exec(event->globalPos());
}

bool WidgetWindow::event(QEvent* event)
{
    // The screen, and with it the pixel ratio, is known once shown and may change.
    if (event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::Show) {
        redraw();
    }
    return QWidget::event(event);
}
