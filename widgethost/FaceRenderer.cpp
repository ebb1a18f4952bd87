// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgethost/FaceRenderer.h"

#include <QLayout>
#include <QPainter>
#include <QWidget>

#include <memory>

namespace {

constexpr qreal containerRadius = 22;

} // namespace

namespace FaceRenderer {

WidgetKit::ColorScheme effectiveScheme(const WidgetKit::WidgetConfiguration& configuration,
                                       WidgetKit::ColorScheme desktop)
{
    return configuration.forcedColorScheme.value_or(desktop);
}

WidgetKit::ColorScheme schemeOfPalette(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128 ? WidgetKit::ColorScheme::dark
                                                             : WidgetKit::ColorScheme::light;
}

QPainterPath containerShape(const QSize& size)
{
    QPainterPath shape;
    shape.addRoundedRect(QRectF(QPointF(), QSizeF(size)), containerRadius, containerRadius);
    return shape;
}

QImage render(const WidgetKit::WidgetConfiguration& configuration, WidgetKit::WidgetFamily family,
              const WidgetKit::TimelineEntry& entry, WidgetKit::ColorScheme desktop, qreal devicePixelRatio)
{
    const QSize size = WidgetKit::familySize(family);
    QImage face((QSizeF(size) * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    face.setDevicePixelRatio(devicePixelRatio);
    face.fill(Qt::transparent);

    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath shape = containerShape(size);
    painter.fillPath(shape, configuration.containerBackground);
    painter.setClipPath(shape);

    const WidgetKit::WidgetEnvironment environment{family, effectiveScheme(configuration, desktop)};
    const std::unique_ptr<QWidget> view(configuration.makeView(entry, environment));
    if (view) {
        view->resize(size);
        if (view->layout()) {
            view->layout()->activate();
        }
        view->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    return face;
}

} // namespace FaceRenderer
