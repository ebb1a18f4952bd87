// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ui/PanelSection.h"

#include <optional>

class Clock;
class QLabel;

// The present time, decimal and standard, whatever day the panel views.
class TimeSection final : public PanelSection
{
    Q_OBJECT

public:
    explicit TimeSection(const Clock& clock, QWidget* parent = nullptr);

    void refresh(const CalendarManager& calendar, const PanelStyle& style) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitTimes();

    const Clock& m_clock;
    QLabel* m_decimalTime;
    QLabel* m_decimalCaption;
    QWidget* m_divider;
    QLabel* m_standardTime;
    QLabel* m_standardCaption;
    std::optional<bool> m_styledNight;
};
