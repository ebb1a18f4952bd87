// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ui/PanelSection.h"

#include "calendar/HistoricalData.h"

#include <optional>
#include <vector>

class QLabel;
class QVBoxLayout;

// Up to three events of the Revolution that fell on the viewed Republican day.
class OnThisDaySection final : public PanelSection
{
    Q_OBJECT

public:
    static constexpr std::size_t maximumRows = 3;

    explicit OnThisDaySection(QWidget* parent = nullptr);

    void refresh(const CalendarManager& calendar, const PanelStyle& style) override;

private:
    void rebuildRows(const std::vector<HistoricalData::HistoricalEvent>& events, const PanelStyle& style);

    QLabel* m_heading;
    QVBoxLayout* m_rows;
    std::vector<HistoricalData::HistoricalEvent> m_shown;
    std::optional<bool> m_styledNight;
};
