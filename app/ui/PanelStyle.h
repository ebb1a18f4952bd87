// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/state/AppTheme.h"

#include <QColor>
#include <QFont>

class QWidget;

// The panel's look in one theme: its fixed colours, the foreground and its fainter levels, the
// system colours of the light or dark scheme, and the fonts. Sizes are the design's pixels at the
// toolkit's default font; fonts and the panel's measures follow the application font from there.
class PanelStyle final
{
public:
    enum class Level { primary, secondary, tertiary, quaternary };
    enum class Design { proportional, serif, monospaced };
    enum class TextStyle { caption, caption2, subheadline, title2 };

    static const QColor parchment;
    static const QColor mahogany;
    static const QColor agedTan;
    static const QColor brass;
    static const QColor nightInk;

    explicit PanelStyle(AppTheme theme);

    bool isNight() const { return m_isNight; }
    QColor background() const { return m_isNight ? mahogany : parchment; }
    QColor foreground(Level level = Level::primary) const;
    QColor separator() const;
    QColor systemBlue() const;
    QColor systemGreen() const;
    QColor systemRed() const;
    QColor secondaryLabel() const;

    static QFont font(qreal pixelSize, QFont::Weight weight = QFont::Normal, Design design = Design::proportional);
    static QFont font(TextStyle style, QFont::Weight weight = QFont::Normal);
    // A font for emoji: the colour emoji font first, whatever the system font is.
    static QFont emojiFont(qreal pixelSize);

    // How much larger than designed the application font asks the panel to be.
    static qreal scale();
    // A measure of the design (a width, an icon) at the application font's size.
    static int scaled(int pixels);
    // The point size of the design's pixel size, at the application font's size.
    static qreal points(qreal pixels);

    // Sets the text colour a label or button draws with.
    static void setForeground(QWidget* widget, const QColor& color);

    bool operator==(const PanelStyle&) const = default;

private:
    bool m_isNight;
};
