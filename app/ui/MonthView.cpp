// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/MonthView.h"

#include "app/state/CalendarManager.h"
#include "app/state/DailyItemTexts.h"
#include "app/state/DateQuery.h"
#include "app/ui/PanelStyle.h"
#include "app/ui/PanelText.h"
#include "app/ui/PanelWidgets.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int margin = 8;
constexpr int spacing = 2;

QString colourName(const QColor& colour)
{
    return colour.name(QColor::HexArgb);
}

} // namespace

MonthView::MonthView(CalendarManager& calendar, QWidget* parent) : PanelSection(parent), m_calendar(calendar)
{
    setObjectName(QStringLiteral("monthView"));
    m_title =
        PanelWidgets::label(this, "monthTitle", PanelStyle::font(PanelStyle::TextStyle::subheadline, QFont::DemiBold));
    m_title->setAlignment(Qt::AlignCenter);
    m_previousMonth = PanelWidgets::plainButton(this, "previousMonth", tr("Previous month"));
    m_nextMonth = PanelWidgets::plainButton(this, "nextMonth", tr("Next month"));
    m_previousMonth->setText(QStringLiteral("‹"));
    m_nextMonth->setText(QStringLiteral("›"));
    connect(m_previousMonth, &QToolButton::clicked, this, [this] { m_calendar.showDay(monthAway(-1)); });
    connect(m_nextMonth, &QToolButton::clicked, this, [this] { m_calendar.showDay(monthAway(1)); });

    m_goTo = PanelWidgets::plainButton(this, "goToDate", tr("Go to a date (G)"));
    m_goTo->setText(tr("Go to…"));
    m_goTo->setFont(PanelStyle::font(PanelStyle::TextStyle::caption));
    connect(m_goTo, &QToolButton::clicked, this, &MonthView::goToRequested);

    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(m_previousMonth);
    titleRow->addWidget(m_title, 1);
    titleRow->addWidget(m_nextMonth);
    titleRow->addWidget(m_goTo);

    // The columns take their widths from the panel's, once it is known (refresh).
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(spacing);
    grid->setVerticalSpacing(spacing);
    for (int column = 0; column < 10; ++column) {
        const QString name = PanelText::fromUtf8(RevolutionaryCalendar::dayNames.at(static_cast<std::size_t>(column)));
        QLabel* header =
            PanelWidgets::label(this, "decadeDayHeader", PanelStyle::font(PanelStyle::TextStyle::caption2));
        // "Pri", "Duo", … "Déc": the day names differ in their first three letters.
        header->setText(name.left(3));
        header->setToolTip(name);
        header->setAccessibleName(name);
        header->setAlignment(Qt::AlignCenter);
        m_headers.at(static_cast<std::size_t>(column)) = header;
        grid->addWidget(header, 0, column);
    }
    for (int index = 0; index < 30; ++index) {
        auto* cell = new QToolButton(this);
        cell->setObjectName(QStringLiteral("monthDay"));
        cell->setAutoRaise(true);
        cell->setCursor(Qt::PointingHandCursor);
        cell->setMinimumHeight(cell->fontMetrics().height() + 8);
        cell->setFont(PanelStyle::font(PanelStyle::TextStyle::subheadline));
        // Only the day viewed takes the keyboard, so Tab passes the month in one step.
        cell->setFocusPolicy(Qt::NoFocus);
        cell->installEventFilter(this);
        connect(cell, &QToolButton::clicked, this, [this, index] {
            m_calendar.showDay(m_firstDay + index);
            Q_EMIT closeRequested();
        });
        m_cells.at(static_cast<std::size_t>(index)) = cell;
        grid->addWidget(cell, 1 + index / 10, index % 10);
    }

    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(margin, 4, margin, margin);
    stack->setSpacing(4);
    stack->addLayout(titleRow);
    stack->addLayout(grid);
    setFocusPolicy(Qt::StrongFocus);
}

void MonthView::refresh(const CalendarManager& calendar, const PanelStyle& style)
{
    // Ten columns fill the panel's width less the margins, whatever the font makes of it.
    const int cellWidth = (width() - 2 * margin - 9 * spacing) / 10;
    for (QLabel* header : m_headers) {
        header->setFixedWidth(cellWidth);
    }
    for (QToolButton* cell : m_cells) {
        cell->setFixedWidth(cellWidth);
    }

    const RevolutionaryDate& viewed = calendar.currentDate();
    const RevolutionaryDate& today = calendar.todayDate();
    const LeapRule rule = calendar.leapRule();
    m_firstDay = calendar.viewedDayNumber() - (viewed.day - 1);
    const int days =
        viewed.month == 13 ? static_cast<int>(RevolutionaryCalendar::daysInYear(viewed.year, rule) - 360) : 30;
    const QString monthName =
        PanelText::fromUtf8(RevolutionaryCalendar::monthNames.at(static_cast<std::size_t>(viewed.month - 1)));
    //: The month shown in the month view: "Brumaire an VIII"
    PanelWidgets::setText(
        m_title, tr("%1 an %2").arg(monthName, QString::fromStdString(RevolutionaryCalendar::toRoman(viewed.year))));
    m_title->setAccessibleName(m_title->text());
    PanelStyle::setForeground(m_title, style.foreground());
    for (QToolButton* button : {m_previousMonth, m_nextMonth, m_goTo}) {
        PanelStyle::setForeground(button, style.foreground(PanelStyle::Level::secondary));
    }
    for (QLabel* header : m_headers) {
        PanelStyle::setForeground(header, style.foreground(PanelStyle::Level::secondary));
    }

    const QString ink = colourName(style.foreground());
    const QString paper = colourName(style.background());
    const QString mark = colourName(style.systemRed());
    for (int index = 0; index < 30; ++index) {
        QToolButton* cell = m_cells.at(static_cast<std::size_t>(index));
        cell->setVisible(index < days);
        if (index >= days) {
            continue;
        }
        const RevolutionaryDate date{viewed.year, viewed.month, index + 1, index % 10 + 1};
        const bool isViewed = date.day == viewed.day;
        const bool isToday = date.year == today.year && date.month == today.month && date.day == today.day;
        cell->setText(QString::number(date.day));

        QString itemText;
        if (const auto item = DailyItems::item(date)) {
            itemText = PanelText::fromUtf8(item->emoji) + u' ' + DailyItemTexts::nameLine(*item) +
                       QStringLiteral(" (") + DailyItemTexts::category(item->category) + u')';
        } else {
            itemText =
                PanelText::fromUtf8(RevolutionaryCalendar::sansculottidesNames.at(static_cast<std::size_t>(index)));
        }
        cell->setToolTip(itemText);
        QString spoken = QString::fromStdString(date.formatted()) + QStringLiteral(", ") + itemText;
        if (isToday) {
            spoken += QStringLiteral(", ") + tr("today");
        }
        if (isViewed) {
            spoken += QStringLiteral(", ") + tr("shown");
        }
        cell->setAccessibleName(spoken);
        // Filled for the day viewed, ringed in red for today: both read on parchment and on mahogany.
        const QString border = isToday ? QStringLiteral("2px solid ") + mark : QStringLiteral("2px solid transparent");
        cell->setStyleSheet(QStringLiteral("QToolButton { color: %1; background: %2; border: %3; border-radius: 4px; "
                                           "padding: 0px; font-weight: %4; }")
                                .arg(isViewed ? paper : ink, isViewed ? ink : QStringLiteral("transparent"), border,
                                     isToday || isViewed ? QStringLiteral("bold") : QStringLiteral("normal")));
        cell->setFocusPolicy(isViewed ? Qt::StrongFocus : Qt::NoFocus);
        if (isViewed && hasFocus()) {
            cell->setFocus();
        }
    }
}

void MonthView::focusViewedDay()
{
    for (QToolButton* cell : m_cells) {
        if (cell->focusPolicy() == Qt::StrongFocus && cell->isVisible()) {
            cell->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    setFocus(Qt::OtherFocusReason);
}

void MonthView::watchClicks(QWidget* widget)
{
    if (!widget) {
        return;
    }
    m_watched = widget;
    widget->installEventFilter(this);
    widget->setCursor(Qt::PointingHandCursor);
    widget->setToolTip(tr("Show the month (M)"));
}

bool MonthView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_watched) {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            Q_EMIT toggleRequested();
            return true;
        }
        return PanelSection::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (handleKey(key->key(), key->modifiers())) {
            return true;
        }
    }
    return PanelSection::eventFilter(watched, event);
}

void MonthView::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(event->key(), event->modifiers())) {
        PanelSection::keyPressEvent(event);
    }
}

bool MonthView::handleKey(int key, Qt::KeyboardModifiers modifiers)
{
    if ((modifiers & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    const std::int64_t viewed = m_calendar.viewedDayNumber();
    switch (key) {
    case Qt::Key_Left:
        m_calendar.showDay(viewed - 1);
        break;
    case Qt::Key_Right:
        m_calendar.showDay(viewed + 1);
        break;
    case Qt::Key_Up:
        m_calendar.showDay(viewed - 10);
        break;
    case Qt::Key_Down:
        m_calendar.showDay(viewed + 10);
        break;
    case Qt::Key_PageUp:
        m_calendar.showDay(monthAway(-1));
        break;
    case Qt::Key_PageDown:
        m_calendar.showDay(monthAway(1));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Escape:
        Q_EMIT closeRequested();
        return true;
    default:
        return false;
    }
    focusViewedDay();
    return true;
}

std::int64_t MonthView::monthAway(int months) const
{
    const LeapRule rule = m_calendar.leapRule();
    RevolutionaryDate date = m_calendar.currentDate();
    std::int64_t month = date.month - 1 + months;
    date.year += month < 0 ? -1 : month / 13;
    date.month = (month % 13 + 13) % 13 + 1;
    if (date.year < 1) {
        return DateQuery::firstDayNumber(rule);
    }
    if (date.month == 13) {
        date.day = std::min<std::int64_t>(date.day, RevolutionaryCalendar::daysInYear(date.year, rule) - 360);
    }
    date.decadeDay = (date.day - 1) % 10 + 1;
    return RevolutionaryCalendar::dayNumber(date, rule).value_or(m_calendar.viewedDayNumber());
}
