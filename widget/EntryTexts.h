// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget/RevolutionaryDateEntry.h"

#include <QDate>
#include <QLocale>
#include <QString>

// The texts the faces show for an entry.
namespace EntryTexts {

// "7": no leading zero.
QString dayText(const WidgetRevolutionaryDate& date);
// "Frimaire"; "Sansculottides" on the complementary days.
QString monthText(const WidgetRevolutionaryDate& date);
// "An CCXXXV".
QString yearText(const WidgetRevolutionaryDate& date);
// "Quintidi".
QString weekdayText(const WidgetRevolutionaryDate& date);
// The locale's long date without the weekday: "December 7, 2026", "7 décembre 2026".
QString civilDateText(const QDate& date, const QLocale& locale = QLocale());
// "plant", in the interface's language.
QString categoryText(const WidgetDailyItem& item);
// Whether the item's English name is shown beside its French one: not in French, where it tells
// the reader nothing.
bool showsEnglishName();

QString fromUtf8(std::string_view text);

} // namespace EntryTexts
