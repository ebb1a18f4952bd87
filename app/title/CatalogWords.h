// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/state/SourceTexts.h"

#include <cstddef>
#include <string>
#include <vector>

// The words of the title's tooltip in each language the program has a catalog for, taken from the
// built catalogs by quintaval-title-words as the program is built: quintaval-title's cheap path
// shows them without loading Qt, as the full program shows them from the catalogs.
namespace CatalogWords {

struct Entry
{
    const char* language; // the catalog's, as its file names it: "fr"
    const char* context;
    const char* source;
    const char* translation;
};

// The table generated from the catalogs.
extern const Entry entries[];
extern const std::size_t entryCount;

// The language whose words are shown for the preferred `languages` (the most wanted first), as the
// full program picks its catalog: the first that has one, where "fr_CA" takes "fr"'s; none (the
// sources' English) once English comes first or where none has a catalog.
std::string chosenLanguage(const std::vector<std::string>& languages);

// The lookup of the words of `language` (as chosenLanguage gives it), falling back on the
// sources' English for a word the catalog lacks. One language at a time for the whole program.
SourceTexts::Translate lookUpIn(std::string language);

} // namespace CatalogWords
