// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/Instant.h"
#include "calendar/RevolutionaryCalendar.h"

#include <QLocale>
#include <QString>

class CalendarManager;

// How the panel writes numbers, dates and times.
namespace PanelText {

// "1st", "2nd", "3rd", then "th" for every other number (11th, 12th, 13th, 0th too); in French
// "1er", then "e" ("2e", "11e").
QString ordinal(qint64 number);

// The month's meaning in the interface's language: "Month of Frost", "Mois des frimas".
QString monthMeaning(qint64 month);

// "7:05:09": the decimal hour as is, minutes and seconds in two digits.
QString decimalClock(const DecimalTime& time);

// "(An II)" for an event of the Republican year 2.
QString eventYear(qint64 year);

// The civil date of an instant in the locale's long style, without the weekday.
QString gregorianDate(Instant instant, const QLocale& locale = QLocale());

// The local time of day of an instant in the locale's short style (hours and minutes).
QString standardTime(Instant instant, const QLocale& locale = QLocale());
// The locale's short time format with hours and minutes only: "h:mm AP", "HH:mm".
QString shortTimeFormat(const QLocale& locale = QLocale());

// A whole number with the locale's digit grouping; the C locale writes it as English does.
QString groupedNumber(qint64 number, const QLocale& locale = QLocale());

// The viewed day as a screen reader says it: "17 Frimaire an CCXXXV, Septidi, December 7, 2026".
QString spokenDate(const CalendarManager& calendar);

// Text from the calendar core's UTF-8 tables.
QString fromUtf8(std::string_view text);

} // namespace PanelText
