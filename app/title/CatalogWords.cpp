// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/title/CatalogWords.h"

#include <cstring>
#include <utility>

namespace CatalogWords {

namespace {

std::string shownLanguage;

bool hasCatalog(std::string_view language)
{
    for (std::size_t index = 0; index < entryCount; ++index) {
        if (language == entries[index].language) {
            return true;
        }
    }
    return false;
}

std::string lookUp(const char* context, const char* source)
{
    for (std::size_t index = 0; index < entryCount; ++index) {
        const Entry& entry = entries[index];
        if (shownLanguage == entry.language && std::strcmp(context, entry.context) == 0 &&
            std::strcmp(source, entry.source) == 0) {
            return entry.translation;
        }
    }
    return source;
}

} // namespace

std::string chosenLanguage(const std::vector<std::string>& languages)
{
    for (const std::string& language : languages) {
        if (language == "en" || language.starts_with("en_")) {
            return {};
        }
        // As the catalogs are looked for: "fr_CA", then "fr".
        for (std::string_view tried = language; !tried.empty();) {
            if (hasCatalog(tried)) {
                return std::string(tried);
            }
            const std::size_t cut = tried.find_last_of('_');
            tried = cut == std::string_view::npos ? std::string_view{} : tried.substr(0, cut);
        }
    }
    return {};
}

SourceTexts::Translate lookUpIn(std::string language)
{
    shownLanguage = std::move(language);
    return shownLanguage.empty() ? SourceTexts::english : lookUp;
}

} // namespace CatalogWords
