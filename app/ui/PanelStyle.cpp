// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/PanelStyle.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QWidget>

const QColor PanelStyle::parchment = QColor::fromRgbF(0.93f, 0.91f, 0.86f);
const QColor PanelStyle::mahogany = QColor::fromRgbF(0.22f, 0.16f, 0.12f);
const QColor PanelStyle::agedTan = QColor::fromRgbF(0.8f, 0.71f, 0.55f);
const QColor PanelStyle::brass = QColor::fromRgbF(0.55f, 0.44f, 0.28f);
const QColor PanelStyle::nightInk = QColor::fromRgbF(0.93f, 0.89f, 0.8f);

namespace {

// How much of the foreground each fainter level keeps.
constexpr float levelOpacity[] = {1.0f, 0.6f, 0.42f, 0.26f};

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
    return withOpacity(base, levelOpacity[static_cast<int>(level)]);
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
    return m_isNight ? QColor(48, 209, 88) : QColor(40, 167, 69);
}

QColor PanelStyle::systemRed() const
{
    return m_isNight ? QColor(255, 69, 58) : QColor(255, 59, 48);
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
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(weight);
    return font;
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
    font.setPixelSize(qRound(pixelSize));
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
