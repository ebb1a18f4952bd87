// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// The civil date as the panel and the widget both write it beside the Republican one.
namespace CivilDateText {

// The locale's long date without the weekday, and without the commas, words and spaces that
// only went with it: "December 7, 2026", "7 décembre 2026", "٧ ديسمبر ٢٠٢٦".
QString longDateWithoutWeekday(const QDate& date, const QLocale& locale = QLocale());

} // namespace CivilDateText
