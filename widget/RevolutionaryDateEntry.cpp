// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget/RevolutionaryDateEntry.h"

QString RevolutionaryDateEntry::summary() const
{
    const auto& republican = revolutionaryDate;
    const QString item = dailyItem ? QString::fromUtf8(dailyItem->frenchName.data(),
                                                       static_cast<qsizetype>(dailyItem->frenchName.size()))
                                   : QStringLiteral("-");
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(republican.year)
        .arg(republican.month)
        .arg(republican.day)
        .arg(republican.decadeDay)
        .arg(item);
}

QDateTime toDateTime(WidgetInstant instant)
{
    const auto milliseconds = std::chrono::floor<std::chrono::milliseconds>(instant.time_since_epoch()).count();
    return QDateTime::fromMSecsSinceEpoch(milliseconds, Qt::UTC);
}

WidgetInstant toWidgetInstant(const QDateTime& dateTime)
{
    return WidgetInstant{std::chrono::milliseconds{dateTime.toMSecsSinceEpoch()}};
}
