// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ui/PanelSection.h"

#include <array>
#include <cstdint>

class CalendarManager;
class QLabel;
class QToolButton;

// The month of the day viewed: three rows of ten days under the days of the décade, or the one
// short row of the complementary days. Today is ringed and the day viewed filled. The keys move
// the day viewed (arrows by a day, up and down by a décade, Page Up and Down by a month), so the
// header above follows; a click or Enter shows the day, Escape goes back to it unchanged.
class MonthView final : public PanelSection
{
    Q_OBJECT

public:
    MonthView(CalendarManager& calendar, QWidget* parent = nullptr);

    void refresh(const CalendarManager& calendar, const PanelStyle& style) override;
    // Gives the keyboard to the day viewed.
    void focusViewedDay();
    // A click on `widget` (the header's month name) asks for the month, or back to the day.
    void watchClicks(QWidget* widget);

    // The cell of the `index`th day of the month (0 to 29), for the tests and screen captures.
    QToolButton* cell(int index) const { return m_cells.at(static_cast<std::size_t>(index)); }

Q_SIGNALS:
    // A day was chosen, or the month left with Escape: back to the day.
    void closeRequested();
    void toggleRequested();
    void goToRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);
    // The day `months` months from the viewed one, on the same day of the month when it has one.
    std::int64_t monthAway(int months) const;

    CalendarManager& m_calendar;
    QLabel* m_title;
    QToolButton* m_previousMonth;
    QToolButton* m_nextMonth;
    QToolButton* m_goTo;
    QWidget* m_watched = nullptr;
    std::array<QLabel*, 10> m_headers{};
    std::array<QToolButton*, 30> m_cells{};
    std::int64_t m_firstDay = 0; // the local day number of the month's first day
};
