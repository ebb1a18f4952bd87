// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/WidgetStyle.h"

#include "widget/DayNumberLabel.h"
#include "widget/EntryTexts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QVBoxLayout>

namespace WidgetStyle {

QColor parchment()
{
    return QColor::fromRgbF(0.93f, 0.91f, 0.86f, 1.0f);
}

QColor foreground(Level level)
{
    // Near-black, then the same ink at 60 % and 30 %, as light desktop themes grade their labels.
    switch (level) {
    case Level::primary:
        return QColor(0, 0, 0);
    case Level::secondary:
        return QColor(60, 60, 67, 153);
    case Level::tertiary:
        return QColor(60, 60, 67, 77);
    }
    return QColor(0, 0, 0);
}

QFont font(int pixelSize, QFont::Weight weight)
{
    // The system font is often a generic name such as "Sans Serif"; in a list of families only
    // real ones count, so the family it stands for is looked up first.
    static const QString systemSans = [] {
        QFont system = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        system.setStyleHint(QFont::SansSerif);
        return QFontInfo(system).family();
    }();
    QFont font;
    // Without the explicit fallback a monochrome emoji font may win.
    font.setFamilies({systemSans, QStringLiteral("Noto Color Emoji")});
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

QPalette lightPalette()
{
    QPalette palette;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, parchment());
        palette.setColor(group, QPalette::Base, parchment());
        palette.setColor(group, QPalette::WindowText, foreground(Level::primary));
        palette.setColor(group, QPalette::Text, foreground(Level::primary));
    }
    return palette;
}

QLabel* label(const QString& text, int pixelSize, QFont::Weight weight, Level level)
{
    auto* label = new QLabel(text);
    label->setFont(font(pixelSize, weight));
    label->setTextFormat(Qt::PlainText);
    QPalette palette = lightPalette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::WindowText, foreground(level));
    }
    label->setPalette(palette);
    return label;
}

QWidget* column(const QList<QWidget*>& items, Qt::Alignment alignment, int spacing)
{
    auto* column = new QWidget;
    auto* stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(spacing);
    for (QWidget* item : items) {
        stack->addWidget(item, 0, alignment);
    }
    return column;
}

QWidget* dateColumn(const WidgetRevolutionaryDate& date, int dayPixels, int monthPixels, int yearPixels)
{
    return column({new DayNumberLabel(EntryTexts::dayText(date), font(dayPixels, QFont::Light)),
                   label(EntryTexts::monthText(date), monthPixels, QFont::Medium),
                   label(EntryTexts::yearText(date), yearPixels, QFont::Normal, Level::secondary)},
                  Qt::AlignLeft, 0);
}

} // namespace WidgetStyle
