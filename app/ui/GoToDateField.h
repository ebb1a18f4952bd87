// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ui/PanelSection.h"

class CalendarManager;
class QLabel;
class QLineEdit;

// A line to type a date into, in either calendar, as quintaval-date reads it. Enter shows the day;
// a date that does not exist is explained under the line and nothing else changes.
class GoToDateField final : public PanelSection
{
    Q_OBJECT

public:
    GoToDateField(CalendarManager& calendar, QWidget* parent = nullptr);

    void refresh(const CalendarManager& calendar, const PanelStyle& style) override;
    // Shows the line, empty, with the keyboard in it.
    void open();

    QLineEdit* line() const { return m_line; }
    QString message() const;

Q_SIGNALS:
    // The day was shown, or the line left with Escape.
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void submit();

    CalendarManager& m_calendar;
    QLineEdit* m_line;
    QLabel* m_message;
};
