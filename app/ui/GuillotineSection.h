// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ui/PanelSection.h"

#include <optional>

class Clock;
class QLabel;
class SymbolImages;

// Days since the last execution by guillotine in France, counted to the present day.
class GuillotineSection final : public PanelSection
{
    Q_OBJECT

public:
    GuillotineSection(const Clock& clock, SymbolImages& images, QWidget* parent = nullptr);

    void refresh(const CalendarManager& calendar, const PanelStyle& style) override;

private:
    const Clock& m_clock;
    SymbolImages& m_images;
    QLabel* m_picture;
    QLabel* m_caption;
    QLabel* m_count;
    QLabel* m_date;
    QLabel* m_place;
    std::optional<bool> m_styledNight;
};
