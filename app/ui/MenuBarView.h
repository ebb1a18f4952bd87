// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QPoint>
#include <QWidget>

#include <memory>
#include <vector>

class CalendarManager;
class Clipboard;
class Clock;
class ModifierKeys;
class PanelFooter;
class PanelSection;
class ResourceDirectory;
class SoundManager;
class SymbolImages;

// The panel that drops from the status item: the viewed day's Republican date with day-by-day
// navigation, the present decimal and standard time, the day's item and engraving, the events
// of the day, the guillotine counter and the footer's controls. It shows what the manager
// holds and calls its operations; the only state of its own is the copy confirmation.
class MenuBarView final : public QWidget
{
    Q_OBJECT

public:
    struct Services
    {
        CalendarManager& calendar;
        SoundManager& sound;
        const Clock& clock;
        const ResourceDirectory& resources;
        Clipboard& clipboard;
        const ModifierKeys& modifiers;
    };

    static constexpr int panelWidth = 320;
    static constexpr int copiedFeedbackMilliseconds = 2000;

    explicit MenuBarView(Services services, QWidget* parent = nullptr);
    ~MenuBarView() override;

    // As a drop-down under `globalPosition` (the click on the status item), kept on its screen.
    void showAt(QPoint globalPosition);
    // Opens it under the point, or closes it when it is open.
    void toggleAt(QPoint globalPosition);
    // As an ordinary window, for desktops with no status bar to hang it from.
    void showAsWindow();
    // Open (or ready to open) as the drop-down of the status item, not as a window.
    bool isDropDown() const;

    bool showCopiedFeedback() const { return m_showCopiedFeedback; }
    // Puts the viewed day's text on the clipboard and confirms it for two seconds.
    void copyToClipboard();

Q_SIGNALS:
    void settingsRequested();
    void quitRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();
    void soundClicked();
    void setShowCopiedFeedback(bool shown);
    void placeOnScreen(QPoint globalPosition);
    void holdGrab(int triesLeft);

    Services m_services;
    std::unique_ptr<SymbolImages> m_symbols;
    std::vector<PanelSection*> m_sections;
    PanelSection* m_dailyItem;
    QWidget* m_dailyItemSeparator;
    PanelSection* m_onThisDay;
    QWidget* m_onThisDaySeparator;
    PanelFooter* m_footer;
    bool m_showCopiedFeedback = false;
    bool m_styledNight = false;
    bool m_styled = false;
    // A click on the status item while the panel is open first closes it (a click outside a
    // drop-down); the activation that follows must not open it again.
    QElapsedTimer m_sinceHidden;
    QElapsedTimer m_sinceShown;
    // The point the drop-down hangs from, kept so that it stays there when its size changes.
    QPoint m_anchor;
};
