// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/DailyItems.h"

#include <QString>

// How the interface names a day's item beside the French name the calendar gives it.
namespace DailyItemTexts {

// The category in the interface's language: "Plant", "Plante".
QString category(DailyItem::Category category);

// Whether the English name is worth showing beside the French one. A reader of French learns
// nothing from it, so the French catalog says no and the category stands alone there.
bool showsEnglishName();

// What goes under the French name: "Pig • Animal" in English, "Animal" in French.
QString details(const DailyItem& item);

// The French name and what stands for it in the interface's language, on one line: "Cochon — Pig"
// in English, "Cochon — Animal" in French.
QString nameLine(const DailyItem& item);

} // namespace DailyItemTexts
