// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/DailyItemTexts.h"

#include <QCoreApplication>

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

namespace DailyItemTexts {

QString category(DailyItem::Category category)
{
    switch (category) {
    case DailyItem::Category::plant:
        return QCoreApplication::translate("DailyItem", "Plant");
    case DailyItem::Category::animal:
        return QCoreApplication::translate("DailyItem", "Animal");
    case DailyItem::Category::tool:
        return QCoreApplication::translate("DailyItem", "Tool");
    case DailyItem::Category::mineral:
        return QCoreApplication::translate("DailyItem", "Mineral");
    }
    return {};
}

bool showsEnglishName()
{
    // Qt asks its catalogs for the layout direction the same way.
    //: "no" where the English name of a day's item tells the reader nothing, so that the
    //: interface shows its category alone under the French name.
    return QCoreApplication::translate("DailyItem", "ENGLISH_NAME_SHOWN") != QLatin1String("no");
}

QString details(const DailyItem& item)
{
    if (!showsEnglishName()) {
        return category(item.category);
    }
    return fromUtf8(item.name) + QStringLiteral(" \u2022 ") + category(item.category);
}

QString nameLine(const DailyItem& item)
{
    return fromUtf8(item.frenchName) + QStringLiteral(" \u2014 ") +
           (showsEnglishName() ? fromUtf8(item.name) : category(item.category));
}

} // namespace DailyItemTexts
