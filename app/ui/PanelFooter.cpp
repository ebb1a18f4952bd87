// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/PanelFooter.h"

#include "app/state/CalendarManager.h"
#include "app/state/SoundManager.h"
#include "app/ui/ElidedLabel.h"
#include "app/ui/PanelWidgets.h"
#include "app/ui/SymbolImages.h"

#include <QAction>
#include <QEasingCurve>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace {
// Symbols in the caption style.
constexpr int symbolSize = 12;
} // namespace

PanelFooter::PanelFooter(const SoundManager& sound, SymbolImages& symbols, QWidget* parent)
    : PanelSection(parent), m_sound(sound), m_symbols(symbols)
{
    setObjectName(QStringLiteral("footerSection"));
    // The longer slogans need more than the room the controls leave: they take a second line
    // rather than lose their end.
    m_slogan = new ElidedLabel(2, this);
    m_slogan->setObjectName(QStringLiteral("slogan"));
    QFont sloganFont = PanelStyle::font(10, QFont::Normal, PanelStyle::Design::serif);
    sloganFont.setItalic(true);
    m_slogan->setFont(sloganFont);

    m_soundButton =
        PanelWidgets::plainButton(this, "soundButton", tr("Click or S to toggle • Alt-click or Shift+S to test chime"));
    // A switch: a reader says whether the chimes are on.
    m_soundButton->setCheckable(true);
    m_soundButton->setAccessibleName(tr("Hourly chimes"));
    // The test of the chime without a modifier held: the button's menu, from the menu key too.
    auto* testChime = new QAction(tr("Play the chime"), m_soundButton);
    m_soundButton->addAction(testChime);
    m_soundButton->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_copyButton = PanelWidgets::plainButton(this, "copyButton", tr("Copy date (Ctrl+C)"));
    m_copyButton->setAccessibleName(tr("Copy date"));
    m_copyButton->setFont(PanelStyle::font(PanelStyle::TextStyle::caption2));
    m_copyButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_preferencesButton = PanelWidgets::plainButton(this, "preferencesButton", tr("Preferences (Ctrl+,)"));
    m_preferencesButton->setAccessibleName(tr("Preferences"));
    m_quitButton = PanelWidgets::plainButton(this, "quitButton", tr("Quit Quintaval (Ctrl+Q)"));
    m_quitButton->setAccessibleName(tr("Quit Quintaval"));
    const int size = PanelStyle::scaled(buttonSize);
    const int symbol = PanelStyle::scaled(symbolSize);
    for (QToolButton* button : {m_soundButton, m_copyButton, m_preferencesButton, m_quitButton}) {
        button->setIconSize(QSize(symbol, symbol));
        button->setFixedHeight(std::max(size, button->fontMetrics().height() + 4));
        // The copy button grows while it says "Copied!".
        button->setMinimumWidth(size);
        button->setMaximumWidth(button == m_copyButton ? QWIDGETSIZE_MAX : size);
    }

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(PanelWidgets::inset, 8, PanelWidgets::inset, 8);
    row->setSpacing(spacing);
    row->addWidget(m_slogan, 1);
    row->addWidget(m_soundButton);
    row->addWidget(m_copyButton);
    row->addWidget(m_preferencesButton);
    row->addWidget(m_quitButton);

    m_copyColor.setDuration(200);
    m_copyColor.setEasingCurve(QEasingCurve::InOutQuad);
    connect(&m_copyColor, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& value) { paintCopyButton(value.value<QColor>()); });

    connect(m_soundButton, &QToolButton::clicked, this, &PanelFooter::soundClicked);
    connect(testChime, &QAction::triggered, this, &PanelFooter::chimeTestRequested);
    connect(m_copyButton, &QToolButton::clicked, this, &PanelFooter::copyClicked);
    connect(m_preferencesButton, &QToolButton::clicked, this, &PanelFooter::preferencesClicked);
    connect(m_quitButton, &QToolButton::clicked, this, &PanelFooter::quitClicked);
}

void PanelFooter::refresh(const CalendarManager& calendar, const PanelStyle& style)
{
    m_slogan->setFullText(calendar.currentSlogan());

    const bool restyle = m_style != style;
    m_style = style;
    const qreal ratio = devicePixelRatioF();
    if (restyle) {
        PanelStyle::setForeground(m_slogan, style.foreground(PanelStyle::Level::tertiary));
        const QColor controls = style.foreground(PanelStyle::Level::secondary);
        m_preferencesButton->setIcon(
            m_symbols.pixmap(QStringLiteral("gearshape"), controls, PanelStyle::scaled(symbolSize), ratio));
        m_quitButton->setIcon(
            m_symbols.pixmap(QStringLiteral("xmark.circle"), controls, PanelStyle::scaled(symbolSize), ratio));
        paintCopyButton(m_copiedShown ? style.systemGreen() : style.secondaryLabel());
    }
    const bool enabled = m_sound.soundEnabled();
    if (m_soundButton->isChecked() != enabled) {
        m_soundButton->setChecked(enabled);
    }
    if (restyle || m_shownSoundEnabled != enabled) {
        m_shownSoundEnabled = enabled;
        m_soundButton->setIcon(m_symbols.pixmap(
            enabled ? QStringLiteral("speaker.wave.2") : QStringLiteral("speaker.slash"),
            enabled ? style.systemBlue() : style.secondaryLabel(), PanelStyle::scaled(symbolSize), ratio));
        m_soundButton->setProperty("symbol", enabled ? "speaker.wave.2" : "speaker.slash");
    }
}

void PanelFooter::setCopiedFeedback(bool shown)
{
    if (shown == m_copiedShown || !m_style) {
        m_copiedShown = shown;
        return;
    }
    m_copiedShown = shown;
    m_copyButton->setText(shown ? tr("Copied!") : QString());
    m_copyButton->setToolButtonStyle(shown ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    m_copyColor.stop();
    m_copyColor.setStartValue(shown ? m_style->secondaryLabel() : m_style->systemGreen());
    m_copyColor.setEndValue(shown ? m_style->systemGreen() : m_style->secondaryLabel());
    m_copyColor.start();
}

void PanelFooter::paintCopyButton(const QColor& color)
{
    // The colours in between are drawn once each, not kept.
    const bool settled = color == m_style->systemGreen() || color == m_style->secondaryLabel();
    m_copyButton->setIcon(m_symbols.pixmap(m_copiedShown ? QStringLiteral("checkmark") : QStringLiteral("doc.on.doc"),
                                           color, PanelStyle::scaled(symbolSize), devicePixelRatioF(), settled));
    m_copyButton->setProperty("symbol", m_copiedShown ? "checkmark" : "doc.on.doc");
    PanelStyle::setForeground(m_copyButton, color);
}
