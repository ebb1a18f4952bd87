// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/DateHeader.h"

#include "app/state/CalendarManager.h"
#include "app/ui/ElidedLabel.h"
#include "app/ui/PanelText.h"
#include "app/ui/PanelWidgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using PanelWidgets::label;

DateHeader::DateHeader(QWidget* parent) : PanelSection(parent)
{
    setObjectName(QStringLiteral("headerSection"));
    m_monthName = label(this, "monthName", PanelWidgets::tracked(PanelStyle::font(20, QFont::Bold), 2));
    QFont meaningFont = PanelStyle::font(12, QFont::Normal, PanelStyle::Design::serif);
    meaningFont.setItalic(true);
    m_monthMeaning = label(this, "monthMeaning", meaningFont);
    m_monthEmoji = label(this, "monthEmoji", PanelStyle::emojiFont(40));
    m_fullDate = label(this, "fullDate", PanelStyle::font(16, QFont::DemiBold));

    m_decadeLine = new QWidget(this);
    m_decadeLine->setObjectName(QStringLiteral("decadeLine"));
    m_decadeLine->setToolTip(QStringLiteral("The Revolutionary calendar replaced the 7-day week with a 10-day "
                                            "'décade'. Workers got 1 rest day per 10 instead of per 7."));
    m_weekday = label(m_decadeLine, "weekday", PanelStyle::font(13));
    m_bullet = label(m_decadeLine, "decadeBullet", PanelStyle::font(13));
    m_bullet->setText(QStringLiteral("•"));
    m_decadeOrdinal = label(m_decadeLine, "decadeOrdinal", PanelStyle::font(11));
    auto* decadeRow = new QHBoxLayout(m_decadeLine);
    decadeRow->setContentsMargins(0, 0, 0, 0);
    decadeRow->setSpacing(4);
    decadeRow->addWidget(m_weekday);
    decadeRow->addWidget(m_bullet);
    decadeRow->addWidget(m_decadeOrdinal);
    decadeRow->addStretch();

    // A wide system font may not leave room for all of the civil date: the Republican one wins.
    m_gregorianDate = new ElidedLabel(1, this);
    m_gregorianDate->setObjectName(QStringLiteral("gregorianDate"));
    m_gregorianDate->setFont(PanelStyle::font(PanelStyle::TextStyle::caption));
    m_gregorianCaption = new ElidedLabel(1, this);
    m_gregorianCaption->setObjectName(QStringLiteral("gregorianCaption"));
    m_gregorianCaption->setFont(PanelStyle::font(PanelStyle::TextStyle::caption2));
    m_gregorianCaption->setFullText(QStringLiteral("Gregorian"));
    for (QLabel* trailing : std::initializer_list<QLabel*>{m_gregorianDate, m_gregorianCaption}) {
        trailing->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    auto* monthColumn = new QVBoxLayout;
    monthColumn->setSpacing(2);
    monthColumn->addWidget(m_monthName);
    monthColumn->addWidget(m_monthMeaning);
    auto* firstRow = new QHBoxLayout;
    firstRow->addLayout(monthColumn);
    firstRow->addStretch();
    firstRow->addWidget(m_monthEmoji);

    auto* dateColumn = new QVBoxLayout;
    dateColumn->setSpacing(4);
    dateColumn->addWidget(m_fullDate);
    dateColumn->addWidget(m_decadeLine);
    auto* civilColumn = new QVBoxLayout;
    civilColumn->setSpacing(4);
    civilColumn->addWidget(m_gregorianDate);
    civilColumn->addWidget(m_gregorianCaption);
    auto* secondRow = new QHBoxLayout;
    secondRow->addLayout(dateColumn);
    secondRow->addLayout(civilColumn, 1);

    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(PanelWidgets::inset, PanelWidgets::inset, PanelWidgets::inset, PanelWidgets::inset);
    rows->setSpacing(8);
    rows->addLayout(firstRow);
    rows->addLayout(secondRow);
}

void DateHeader::refresh(const CalendarManager& calendar, const PanelStyle& style)
{
    const RevolutionaryDate& date = calendar.currentDate();
    const auto month = static_cast<std::size_t>(date.month - 1);
    PanelWidgets::setText(m_monthName, PanelText::fromUtf8(RevolutionaryCalendar::monthNames.at(month)).toUpper());
    PanelWidgets::setText(m_monthMeaning, QLatin1Char('"') +
                                              PanelText::fromUtf8(RevolutionaryCalendar::monthMeanings.at(month)) +
                                              QLatin1Char('"'));
    PanelWidgets::setText(m_monthEmoji, PanelText::fromUtf8(RevolutionaryCalendar::monthEmojis.at(month)));
    PanelWidgets::setText(m_fullDate, QString::fromStdString(date.formatted()));
    PanelWidgets::setText(m_weekday, PanelText::fromUtf8(RevolutionaryCalendar::dayNames.at(
                                         static_cast<std::size_t>(date.decadeDay - 1))));
    PanelWidgets::setText(m_decadeOrdinal, PanelText::ordinal(date.decadeDay) + QStringLiteral(" of décade"));
    m_gregorianDate->setFullText(PanelText::gregorianDate(calendar.viewedGregorianDate()));

    if (m_styledNight == style.isNight()) {
        return;
    }
    m_styledNight = style.isNight();
    using Level = PanelStyle::Level;
    for (QLabel* primary : {m_monthName, m_monthEmoji, m_fullDate, m_weekday}) {
        PanelStyle::setForeground(primary, style.foreground());
    }
    PanelStyle::setForeground(m_monthMeaning, style.foreground(Level::secondary));
    PanelStyle::setForeground(m_bullet, style.foreground(Level::quaternary));
    PanelStyle::setForeground(m_decadeOrdinal, style.foreground(Level::tertiary));
    PanelStyle::setForeground(m_gregorianDate, style.foreground(Level::tertiary));
    PanelStyle::setForeground(m_gregorianCaption, style.foreground(Level::quaternary));
}
