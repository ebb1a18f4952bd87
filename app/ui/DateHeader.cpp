// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/DateHeader.h"

#include "app/state/CalendarManager.h"
#include "app/state/LeapRuleChoice.h"
#include "app/ui/PanelAccessible.h"
#include "app/ui/PanelText.h"
#include "app/ui/PanelWidgets.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

using PanelWidgets::label;

DateHeader::DateHeader(QWidget* parent) : PanelSection(parent)
{
    setObjectName(QStringLiteral("headerSection"));
    // The panel opens with the focus here: a reader starts with the day shown, in one line.
    setFocusPolicy(Qt::StrongFocus);
    PanelAccessible::setRole(this, QAccessible::StaticText);
    m_monthName = label(this, "monthName", PanelWidgets::tracked(PanelStyle::font(20, QFont::Bold), 2));
    QFont meaningFont = PanelStyle::font(12, QFont::Normal, PanelStyle::Design::serif);
    meaningFont.setItalic(true);
    m_monthMeaning = label(this, "monthMeaning", meaningFont);
    m_monthEmoji = label(this, "monthEmoji", PanelStyle::emojiFont(40));
    m_fullDate = label(this, "fullDate", PanelStyle::font(16, QFont::DemiBold));

    m_decadeLine = new QWidget(this);
    m_decadeLine->setObjectName(QStringLiteral("decadeLine"));
    m_decadeLine->setToolTip(tr("The Revolutionary calendar replaced the 7-day week with a 10-day 'décade'. "
                                "Workers got 1 rest day per 10 instead of per 7."));
    m_weekday = label(m_decadeLine, "weekday", PanelStyle::font(13));
    m_bullet = label(m_decadeLine, "decadeBullet", PanelStyle::font(13));
    PanelAccessible::setDecorative(m_bullet);
    m_bullet->setText(QStringLiteral("•"));
    m_decadeOrdinal = label(m_decadeLine, "decadeOrdinal", PanelStyle::font(11));
    auto* decadeRow = new QHBoxLayout(m_decadeLine);
    decadeRow->setContentsMargins(0, 0, 0, 0);
    decadeRow->setSpacing(4);
    decadeRow->addWidget(m_weekday);
    decadeRow->addWidget(m_bullet);
    decadeRow->addWidget(m_decadeOrdinal);
    decadeRow->addStretch();

    // The civil date and its caption keep their whole width; the Republican date wraps instead.
    m_gregorianDate = label(this, "gregorianDate", PanelStyle::font(PanelStyle::TextStyle::caption));
    m_gregorianCaption = label(this, "gregorianCaption", PanelStyle::font(PanelStyle::TextStyle::caption2));
    m_gregorianCaption->setText(tr("Gregorian"));
    // Quietly, under the civil date: the rule is why two calendars may differ by a day or two.
    m_leapRule = label(this, "leapRule", PanelStyle::font(PanelStyle::TextStyle::caption2));
    m_leapRule->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* trailing : {m_gregorianDate, m_gregorianCaption}) {
        trailing->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        trailing->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    // An emoji with a variation selector lays out taller than one without: one box, as tall as the
    // tallest month's, keeps the header still from month to month.
    const QFontMetrics emojiMetrics(m_monthEmoji->font());
    int emojiHeight = emojiMetrics.height();
    for (const std::string_view emoji : RevolutionaryCalendar::monthEmojis) {
        emojiHeight = std::max(emojiHeight, emojiMetrics.size(0, PanelText::fromUtf8(emoji)).height());
    }
    m_monthEmoji->setFixedHeight(emojiHeight);
    // The month's name and meaning beside it say what the picture shows.
    PanelAccessible::setDecorative(m_monthEmoji);
    m_monthEmoji->setAlignment(Qt::AlignCenter);

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
    m_dateRow = new QHBoxLayout;
    m_dateRow->addLayout(dateColumn);
    m_dateRow->addStretch();
    m_dateRow->addLayout(civilColumn);

    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(PanelWidgets::inset, PanelWidgets::inset, PanelWidgets::inset, PanelWidgets::inset);
    rows->setSpacing(8);
    rows->addLayout(firstRow);
    rows->addLayout(m_dateRow);
    rows->addWidget(m_leapRule);
}

void DateHeader::refresh(const CalendarManager& calendar, const PanelStyle& style)
{
    const RevolutionaryDate& date = calendar.currentDate();
    const auto month = static_cast<std::size_t>(date.month - 1);
    PanelWidgets::setText(m_monthName, PanelText::fromUtf8(RevolutionaryCalendar::monthNames.at(month)).toUpper());
    //: The month's meaning in quotation marks; French sets them as « ».
    PanelWidgets::setText(m_monthMeaning, tr("\"%1\"").arg(PanelText::monthMeaning(date.month)));
    PanelWidgets::setText(m_monthEmoji, PanelText::fromUtf8(RevolutionaryCalendar::monthEmojis.at(month)));
    PanelWidgets::setText(m_fullDate, QString::fromStdString(date.formatted()));
    PanelWidgets::setText(m_weekday, PanelText::fromUtf8(RevolutionaryCalendar::dayNames.at(
                                         static_cast<std::size_t>(date.decadeDay - 1))));
    PanelWidgets::setText(m_decadeOrdinal, tr("%1 of décade").arg(PanelText::ordinal(date.decadeDay)));
    PanelWidgets::setText(m_gregorianDate, PanelText::gregorianDate(calendar.viewedGregorianDate()));
    PanelWidgets::setText(m_leapRule, LeapRuleChoice::summary(calendar.leapRule()));
    m_leapRule->setToolTip(LeapRuleChoice::explanation(calendar.leapRule()));
    fitFullDate();
    // Changing the name is what tells a reader, the focus on the header, that the day moved.
    const QString spoken = PanelText::spokenDate(calendar);
    if (accessibleName() != spoken) {
        setAccessibleName(spoken);
    }

    if (m_styledNight == style.isNight()) {
        return;
    }
    m_styledNight = style.isNight();
    m_focusRing = style.foreground();
    update();
    using Level = PanelStyle::Level;
    for (QLabel* primary : {m_monthName, m_monthEmoji, m_fullDate, m_weekday}) {
        PanelStyle::setForeground(primary, style.foreground());
    }
    PanelStyle::setForeground(m_monthMeaning, style.foreground(Level::secondary));
    PanelStyle::setForeground(m_bullet, style.foreground(Level::quaternary));
    PanelStyle::setForeground(m_decadeOrdinal, style.foreground(Level::tertiary));
    PanelStyle::setForeground(m_gregorianDate, style.foreground(Level::tertiary));
    PanelStyle::setForeground(m_leapRule, style.foreground(Level::tertiary));
    PanelStyle::setForeground(m_gregorianCaption, style.foreground(Level::quaternary));
}

void DateHeader::paintEvent(QPaintEvent* event)
{
    PanelSection::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    // Inside the margins, around the texts, so the focus shows without moving anything.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_focusRing, 2));
    painter.setBrush(Qt::NoBrush);
    const int margin = PanelWidgets::inset / 3;
    painter.drawRoundedRect(QRectF(rect()).adjusted(margin, margin, -margin, -margin), 6, 6);
}

void DateHeader::focusInEvent(QFocusEvent* event)
{
    PanelSection::focusInEvent(event);
    update();
}

void DateHeader::focusOutEvent(QFocusEvent* event)
{
    PanelSection::focusOutEvent(event);
    update();
}

void DateHeader::resizeEvent(QResizeEvent* event)
{
    PanelSection::resizeEvent(event);
    fitFullDate();
}

void DateHeader::fitFullDate()
{
    const int civilWidth = std::max(m_gregorianDate->sizeHint().width(), m_gregorianCaption->sizeHint().width());
    const int room = width() - 2 * PanelWidgets::inset - m_dateRow->spacing() - civilWidth;
    const QFontMetrics metrics(m_fullDate->font());
    const QString& text = m_fullDate->text();
    // The width the label draws, bearings included, which can pass the advance by a pixel.
    if (metrics.boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX), 0, text).width() <= room || room <= 0) {
        m_fullDate->setWordWrap(false);
        m_fullDate->setMinimumSize(0, 0);
        m_fullDate->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        return;
    }
    // Both dates do not fit on one row: the Republican one takes a second line, and the header
    // grows by it.
    m_fullDate->setWordWrap(true);
    m_fullDate->setFixedSize(room,
                             metrics.boundingRect(QRect(0, 0, room, QWIDGETSIZE_MAX), Qt::TextWordWrap, text).height());
}
