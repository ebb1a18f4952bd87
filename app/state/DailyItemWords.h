// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/state/SourceTexts.h"
#include "calendar/DailyItems.h"

#include <string>

// The words that go with a day's item in the interface, made through a lookup of the catalogs
// (SourceTexts) so that the title's tooltip can be made without Qt.
namespace DailyItemWords {

// The catalogs' context of these words.
inline constexpr char context[] = "DailyItem";

// The category in the sources' English: "Plant", "Animal", "Tool", "Mineral".
const char* category(DailyItem::Category category);

// The catalogs' answer to this key is "no" where the English name of a day's item tells the
// reader nothing (see showsEnglishName).
inline constexpr char englishNameShownKey[] = "ENGLISH_NAME_SHOWN";

// Whether the English name is worth showing beside the French one. A reader of French learns
// nothing from it, so the French catalog says no and the category stands alone there.
bool showsEnglishName(SourceTexts::Translate lookUp);

// The French name and what stands for it in the interface's language, on one line: "Cochon — Pig"
// in English, "Cochon — Animal" in French.
std::string nameLine(const DailyItem& item, SourceTexts::Translate lookUp);

} // namespace DailyItemWords
