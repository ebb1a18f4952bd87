// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/PanelStyle.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QWidget>

const QColor PanelStyle::parchment = QColor::fromRgbF(0.93f, 0.91f, 0.86f);
const QColor PanelStyle::mahogany = QColor::fromRgbF(0.22f, 0.16f, 0.12f);
const QColor PanelStyle::agedTan = QColor::fromRgbF(0.8f, 0.71f, 0.55f);
const QColor PanelStyle::brass = QColor::fromRgbF(0.55f, 0.44f, 0.28f);
const QColor PanelStyle::nightInk = QColor::fromRgbF(0.93f, 0.89f, 0.8f);

namespace {

// How much of the foreground each fainter level keeps. The faintest still reads at 4.5:1 on its
// background: the levels step down in ink, never below what a weak eye can read.
constexpr float dayLevelOpacity[] = {1.0f, 0.8f, 0.72f, 0.67f};
constexpr float nightLevelOpacity[] = {1.0f, 0.8f, 0.7f, 0.62f};

// The application font's size at which the panel shows at its designed size: the toolkit's own
// default. A desktop set to larger text gets a proportionally larger panel.
constexpr qreal referencePointSize = 9;

QColor withOpacity(QColor color, float opacity)
{
    color.setAlphaF(color.alphaF() * opacity);
    return color;
}

} // namespace

PanelStyle::PanelStyle(AppTheme theme) : m_isNight(theme == AppTheme::sepiaNight) {}

QColor PanelStyle::foreground(Level level) const
{
    // By day the scheme's primary text colour: near-black.
    const QColor base = m_isNight ? nightInk : QColor(0, 0, 0, 217);
    const float* opacity = m_isNight ? nightLevelOpacity : dayLevelOpacity;
    return withOpacity(base, opacity[static_cast<int>(level)]);
}

QColor PanelStyle::separator() const
{
    return m_isNight ? QColor(255, 255, 255, 40) : QColor(0, 0, 0, 30);
}

QColor PanelStyle::systemBlue() const
{
    return m_isNight ? QColor(10, 132, 255) : QColor(0, 122, 255);
}

QColor PanelStyle::systemGreen() const
{
    // By day a deeper green than the usual system one: "Copied!" is text on parchment.
    return m_isNight ? QColor(48, 209, 88) : QColor(26, 112, 46);
}

QColor PanelStyle::systemRed() const
{
    // The count is text: a brick red on parchment, a lighter coral on mahogany.
    return m_isNight ? QColor(255, 105, 90) : QColor(176, 32, 24);
}

QColor PanelStyle::secondaryLabel() const
{
    return m_isNight ? QColor(255, 255, 255, 140) : QColor(0, 0, 0, 128);
}

QFont PanelStyle::font(qreal pixelSize, QFont::Weight weight, Design design)
{
    QFont font;
    switch (design) {
    case Design::proportional:
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        break;
    case Design::serif:
        font.setFamilies({QStringLiteral("serif")});
        font.setStyleHint(QFont::Serif);
        break;
    case Design::monospaced:
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        break;
    }
    // Colour emoji in any text, rather than whatever monochrome font would win. The family is
    // resolved first: beside an alias such as "Sans Serif" the emoji font would take the digits.
    font.setFamilies({QFontInfo(font).family(), QStringLiteral("Noto Color Emoji")});
    font.setPointSizeF(points(pixelSize));
    font.setWeight(weight);
    return font;
}

qreal PanelStyle::scale()
{
    const qreal applicationSize = QGuiApplication::font().pointSizeF();
    return applicationSize > 0 ? applicationSize / referencePointSize : 1.0;
}

int PanelStyle::scaled(int pixels)
{
    return qRound(pixels * scale());
}

qreal PanelStyle::points(qreal pixels)
{
    // The design's pixels are those of a 96 dpi screen.
    return pixels * scale() * 72.0 / 96.0;
}

QFont PanelStyle::font(TextStyle style, QFont::Weight weight)
{
    switch (style) {
    case TextStyle::caption:
    case TextStyle::caption2:
        return font(10, weight);
    case TextStyle::subheadline:
        return font(11, weight);
    case TextStyle::title2:
        return font(17, weight);
    }
    return font(13, weight);
}

QFont PanelStyle::emojiFont(qreal pixelSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Noto Color Emoji")});
    font.setPointSizeF(points(pixelSize));
    return font;
}

void PanelStyle::setForeground(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    if (palette.color(QPalette::WindowText) == color && palette.color(QPalette::ButtonText) == color) {
        return;
    }
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}
