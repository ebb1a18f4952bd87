// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/DailyItemWords.h"

#include <string_view>

namespace DailyItemWords {

const char* category(DailyItem::Category category)
{
    switch (category) {
    case DailyItem::Category::plant:
        return QT_TRANSLATE_NOOP("DailyItem", "Plant");
    case DailyItem::Category::animal:
        return QT_TRANSLATE_NOOP("DailyItem", "Animal");
    case DailyItem::Category::tool:
        return QT_TRANSLATE_NOOP("DailyItem", "Tool");
    case DailyItem::Category::mineral:
        return QT_TRANSLATE_NOOP("DailyItem", "Mineral");
    }
    return "";
}

bool showsEnglishName(SourceTexts::Translate lookUp)
{
    // Qt asks its catalogs for the layout direction the same way.
    //: "no" where the English name of a day's item tells the reader nothing, so that the
    //: interface shows its category alone under the French name.
    static_assert(std::string_view{englishNameShownKey} == QT_TRANSLATE_NOOP("DailyItem", "ENGLISH_NAME_SHOWN"));
    return lookUp(context, englishNameShownKey) != "no";
}

std::string nameLine(const DailyItem& item, SourceTexts::Translate lookUp)
{
    std::string line{item.frenchName};
    line += " \u2014 ";
    line += showsEnglishName(lookUp) ? std::string{item.name} : lookUp(context, category(item.category));
    return line;
}

} // namespace DailyItemWords
