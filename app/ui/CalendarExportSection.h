// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

#include <functional>

class CalendarManager;
class QLabel;
class QSpinBox;

// The settings window's export: whole Republican years, by the rule chosen, into an iCalendar file
// a calendar program imports, the same text quintaval-date --ics writes.
class CalendarExportSection final : public QGroupBox
{
    Q_OBJECT

public:
    explicit CalendarExportSection(const CalendarManager& calendar, QWidget* parent = nullptr);

    // Asks where to write; a file dialog unless replaced (the tests name a file). Empty: cancelled.
    void setFileChooser(std::function<QString()> chooser) { m_chooseFile = std::move(chooser); }
    // Writes the chosen years; what happened is said under the button.
    void exportYears();

    QString status() const;

private:
    const CalendarManager& m_calendar;
    QSpinBox* m_from;
    QSpinBox* m_to;
    QLabel* m_status;
    std::function<QString()> m_chooseFile;
};
