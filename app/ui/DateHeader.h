// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ui/PanelSection.h"

#include <QColor>

#include <optional>

class QHBoxLayout;
class QLabel;

// The viewed day: its month, the month's meaning and emoji, the full Republican date, the
// day of the décade, the civil date, and the leap-year rule the date was reckoned by.
class DateHeader final : public PanelSection
{
    Q_OBJECT

public:
    explicit DateHeader(QWidget* parent = nullptr);

    void refresh(const CalendarManager& calendar, const PanelStyle& style) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitFullDate();

    QLabel* m_monthName;
    QLabel* m_monthMeaning;
    QLabel* m_monthEmoji;
    QLabel* m_fullDate;
    QWidget* m_decadeLine;
    QLabel* m_weekday;
    QLabel* m_bullet;
    QLabel* m_decadeOrdinal;
    QLabel* m_gregorianDate;
    QLabel* m_gregorianCaption;
    QLabel* m_leapRule;
    QHBoxLayout* m_dateRow;
    std::optional<bool> m_styledNight;
    QColor m_focusRing;
};
