// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/GoToDateField.h"

#include "app/state/CalendarManager.h"
#include "app/state/DateQuery.h"
#include "app/ui/PanelStyle.h"
#include "app/ui/PanelWidgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

GoToDateField::GoToDateField(CalendarManager& calendar, QWidget* parent) : PanelSection(parent), m_calendar(calendar)
{
    setObjectName(QStringLiteral("goToDate"));
    m_line = new QLineEdit(this);
    m_line->setObjectName(QStringLiteral("goToDateLine"));
    m_line->setFont(PanelStyle::font(PanelStyle::TextStyle::subheadline));
    m_line->setPlaceholderText(tr("1799-11-09 or 18 Brumaire an VIII"));
    m_line->setAccessibleName(tr("Go to a date"));
    m_line->setToolTip(tr("A civil or a Republican date; Enter shows it, Escape closes"));
    m_line->setClearButtonEnabled(true);
    m_line->installEventFilter(this);
    m_message = PanelWidgets::label(this, "goToDateMessage", PanelStyle::font(PanelStyle::TextStyle::caption));
    m_message->setWordWrap(true);
    m_message->hide();

    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(PanelWidgets::inset, 6, PanelWidgets::inset, 6);
    stack->setSpacing(4);
    stack->addWidget(m_line);
    stack->addWidget(m_message);

    connect(m_line, &QLineEdit::returnPressed, this, &GoToDateField::submit);
    // A message about the text before stays no longer than that text.
    connect(m_line, &QLineEdit::textEdited, m_message, &QWidget::hide);
}

void GoToDateField::refresh(const CalendarManager&, const PanelStyle& style)
{
    PanelStyle::setForeground(m_message, style.systemRed());
    QPalette colors = m_line->palette();
    colors.setColor(QPalette::Base, style.background());
    colors.setColor(QPalette::Text, style.foreground());
    colors.setColor(QPalette::PlaceholderText, style.foreground(PanelStyle::Level::tertiary));
    m_line->setPalette(colors);
}

void GoToDateField::open()
{
    m_line->clear();
    m_message->hide();
    show();
    m_line->setFocus(Qt::ShortcutFocusReason);
}

QString GoToDateField::message() const
{
    return m_message->isHidden() ? QString() : m_message->text();
}

bool GoToDateField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_line && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        Q_EMIT closeRequested();
        return true;
    }
    return PanelSection::eventFilter(watched, event);
}

void GoToDateField::submit()
{
    const DateReading reading = DateQuery::read(m_line->text(), m_calendar.leapRule());
    if (!reading.dayNumber) {
        m_message->setText(reading.error);
        m_message->show();
        m_line->setAccessibleDescription(reading.error);
        return;
    }
    m_line->setAccessibleDescription({});
    m_calendar.showDay(*reading.dayNumber);
    Q_EMIT closeRequested();
}
