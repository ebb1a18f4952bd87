// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgethost/GalleryWindow.h"

#include "widgethost/FaceRenderer.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString familyTitle(WidgetKit::WidgetFamily family)
{
    switch (family) {
    case WidgetKit::WidgetFamily::small:
        return GalleryWindow::tr("Small");
    case WidgetKit::WidgetFamily::medium:
        return GalleryWindow::tr("Medium");
    case WidgetKit::WidgetFamily::large:
        return GalleryWindow::tr("Large");
    case WidgetKit::WidgetFamily::extraLarge:
        return GalleryWindow::tr("Extra Large");
    }
    return {};
}

QWidget* widgetCard(const WidgetKit::WidgetConfiguration& widget, const QDateTime& now, GalleryWindow* gallery)
{
    auto* card = new QGroupBox;
    auto* row = new QHBoxLayout(card);

    const WidgetKit::WidgetFamily previewFamily = widget.supportedFamilies.front();
    WidgetKit::EntryPointer preview;
    widget.provider->getSnapshot({previewFamily, WidgetKit::familySize(previewFamily), true, now},
                                 [&preview](WidgetKit::EntryPointer entry) { preview = std::move(entry); });
    if (!preview) {
        preview = widget.provider->placeholder({previewFamily, WidgetKit::familySize(previewFamily), true, now});
    }
    auto* image = new QLabel;
    if (preview) {
        const qreal ratio = gallery->devicePixelRatioF();
        image->setPixmap(QPixmap::fromImage(FaceRenderer::render(
            widget, previewFamily, *preview, FaceRenderer::schemeOfPalette(gallery->palette()), ratio)));
    }
    row->addWidget(image);

    auto* text = new QVBoxLayout;
    auto* name = new QLabel(widget.displayName);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    text->addWidget(name);
    auto* description = new QLabel(widget.description);
    description->setWordWrap(true);
    text->addWidget(description);
    text->addStretch(1);

    auto* controls = new QHBoxLayout;
    auto* sizes = new QComboBox;
    for (const WidgetKit::WidgetFamily family : widget.supportedFamilies) {
        sizes->addItem(familyTitle(family), static_cast<int>(family));
    }
    controls->addWidget(sizes);
    auto* add = new QPushButton(GalleryWindow::tr("Add Widget"));
    const QString kind = widget.kind;
    QObject::connect(add, &QPushButton::clicked, gallery, [gallery, sizes, kind] {
        Q_EMIT gallery->addRequested(kind, static_cast<WidgetKit::WidgetFamily>(sizes->currentData().toInt()));
    });
    controls->addWidget(add);
    controls->addStretch(1);
    text->addLayout(controls);
    row->addLayout(text, 1);
    return card;
}

} // namespace

GalleryWindow::GalleryWindow(const QList<WidgetKit::WidgetConfiguration>& widgets, const QStringList& problems,
                             const QDateTime& now, QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(tr("Widgets"));
    auto* layout = new QVBoxLayout(this);
    for (const auto& widget : widgets) {
        layout->addWidget(widgetCard(widget, now, this));
    }
    if (widgets.isEmpty()) {
        layout->addWidget(new QLabel(tr("No widgets are available.")));
    }
    if (!problems.isEmpty()) {
        auto* details = new QLabel(problems.join(QLatin1Char('\n')));
        details->setWordWrap(true);
        details->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(details);
    }
    layout->addStretch(1);
    resize(520, sizeHint().height());
}
