// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ui/PanelSection.h"
#include "app/ui/PanelStyle.h"

#include <QColor>
#include <QVariantAnimation>

#include <optional>

class ElidedLabel;
class QLabel;
class QToolButton;
class SoundManager;
class SymbolImages;

// The slogan of the moment and the panel's controls: the chime switch, copy (with its
// "Copied!" confirmation), preferences and quit. The panel decides what the controls do.
class PanelFooter final : public PanelSection
{
    Q_OBJECT

public:
    // The controls' size and spacing; the last two controls sit at fixed places from the
    // panel's lower right corner, which desktop automation relies on.
    static constexpr int buttonSize = 20;
    static constexpr int spacing = 6;

    PanelFooter(const SoundManager& sound, SymbolImages& symbols, QWidget* parent = nullptr);

    void refresh(const CalendarManager& calendar, const PanelStyle& style) override;
    // Shows or hides the copy confirmation, easing the colour over 0.2 s.
    void setCopiedFeedback(bool shown);

Q_SIGNALS:
    void soundClicked();
    void chimeTestRequested();
    void copyClicked();
    void preferencesClicked();
    void quitClicked();

private:
    void paintCopyButton(const QColor& color);

    const SoundManager& m_sound;
    SymbolImages& m_symbols;
    ElidedLabel* m_slogan;
    QToolButton* m_soundButton;
    QToolButton* m_copyButton;
    QToolButton* m_preferencesButton;
    QToolButton* m_quitButton;
    QVariantAnimation m_copyColor;
    bool m_copiedShown = false;
    std::optional<PanelStyle> m_style;
    std::optional<bool> m_shownSoundEnabled;
};
