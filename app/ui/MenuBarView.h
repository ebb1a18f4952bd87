// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>
#include <vector>

class CalendarManager;
class Clipboard;
class Clock;
class DateHeader;
class ModifierKeys;
class GoToDateField;
class MonthView;
class PanelFooter;
class PanelScroll;
class PanelSection;
class ResourceDirectory;
class SoundManager;
class SymbolImages;

// The panel's content: the viewed day's Republican date with day-by-day navigation, the present
// decimal and standard time, the day's item and engraving, the events of the day, the guillotine
// counter and the footer's controls. It shows what the manager holds and calls its operations;
// the only state of its own is the copy confirmation. How it drops from the bar is DropDown's.
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

    // Brings every section up to what the managers hold; done by itself while the panel shows.
    void refresh();

    // The most the panel may take in height: the room the screen leaves it. The middle sections
    // scroll within what the date and the controls leave.
    void setHeightLimit(int height);
    // True while the middle sections are taller than the room they have.
    bool scrolls() const;

    // The month of the day viewed in place of the day's sections, or the day again.
    void showMonth(bool shown);
    bool monthShown() const;
    // The line to type a date into, under the navigation.
    void openGoTo();

    bool showCopiedFeedback() const { return m_showCopiedFeedback; }
    // Puts the viewed day's text on the clipboard and confirms it for two seconds.
    void copyToClipboard();

Q_SIGNALS:
    void settingsRequested();
    void quitRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // The panel's keys, wherever the focus is in it: true when the key was one of them.
    bool handleKey(QKeyEvent* event);
    void soundClicked();
    void setShowCopiedFeedback(bool shown);

    Services m_services;
    std::unique_ptr<SymbolImages> m_symbols;
    std::vector<PanelSection*> m_sections;
    PanelSection* m_dailyItem;
    QWidget* m_dailyItemSeparator;
    PanelSection* m_onThisDay;
    QWidget* m_onThisDaySeparator;
    PanelFooter* m_footer;
    MonthView* m_monthView;
    GoToDateField* m_goTo;
    PanelScroll* m_scroll;
    DateHeader* m_header;
    bool m_showCopiedFeedback = false;
    bool m_styledNight = false;
    bool m_styled = false;
};
