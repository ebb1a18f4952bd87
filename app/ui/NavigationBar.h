// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ui/PanelSection.h"

#include <optional>

class QLabel;
class QToolButton;
class SymbolImages;

// Previous day, the today marker or the way back to today, next day. The panel gives them their
// keys: the arrows, and "t" while the way back shows.
class NavigationBar final : public PanelSection
{
    Q_OBJECT

public:
    NavigationBar(CalendarManager& calendar, SymbolImages& symbols, QWidget* parent = nullptr);

    void refresh(const CalendarManager& calendar, const PanelStyle& style) override;

private:
    SymbolImages& m_symbols;
    QToolButton* m_previous;
    QLabel* m_todayMarker;
    QToolButton* m_returnToToday;
    QToolButton* m_next;
    std::optional<bool> m_styledNight;
};
