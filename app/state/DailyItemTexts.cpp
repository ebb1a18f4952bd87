// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/state/DailyItemTexts.h"

#include "app/state/Catalog.h"
#include "app/state/DailyItemWords.h"

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
    return QCoreApplication::translate(DailyItemWords::context, DailyItemWords::category(category));
}

bool showsEnglishName()
{
    return DailyItemWords::showsEnglishName(Catalog::translate);
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
    return fromUtf8(DailyItemWords::nameLine(item, Catalog::translate));
}

} // namespace DailyItemTexts
