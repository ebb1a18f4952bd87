// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/TimeSection.h"

#include "app/platform/Clock.h"
#include "app/state/CalendarManager.h"
#include "app/ui/PanelText.h"
#include "app/ui/PanelWidgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

using PanelWidgets::label;

namespace {

constexpr int decimalSize = 28;
constexpr int standardSize = 18;

// The width of a time with its caption beneath, the time's font at `scale` of `size`.
int columnWidth(const QLabel* time, const QLabel* caption, int size, qreal scale)
{
    QFont font = time->font();
    font.setPixelSize(qRound(size * scale));
    const QFontMetrics metrics(font);
    return std::max({metrics.horizontalAdvance(time->text()), metrics.boundingRect(time->text()).width(),
                     caption->sizeHint().width()});
}

} // namespace

TimeSection::TimeSection(const Clock& clock, QWidget* parent) : PanelSection(parent), m_clock(clock)
{
    setObjectName(QStringLiteral("timeSection"));
    m_decimalTime =
        label(this, "decimalTime", PanelStyle::font(decimalSize, QFont::Bold, PanelStyle::Design::monospaced));
    m_decimalCaption = label(this, "decimalCaption", PanelStyle::font(PanelStyle::TextStyle::caption2));
    m_decimalCaption->setText(tr("Decimal Time"));
    m_divider = PanelWidgets::separator(this, Qt::Vertical, 40);
    m_standardTime =
        label(this, "standardTime", PanelStyle::font(standardSize, QFont::Normal, PanelStyle::Design::monospaced));
    m_standardCaption = label(this, "standardCaption", PanelStyle::font(PanelStyle::TextStyle::caption2));
    m_standardCaption->setText(tr("Standard Time"));

    const auto column = [](QLabel* value, QLabel* caption) {
        auto* stack = new QVBoxLayout;
        stack->setSpacing(4);
        stack->addWidget(value, 0, Qt::AlignHCenter);
        stack->addWidget(caption, 0, Qt::AlignHCenter);
        return stack;
    };
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(PanelWidgets::inset, PanelWidgets::inset, PanelWidgets::inset, PanelWidgets::inset);
    row->setSpacing(20);
    row->addStretch();
    row->addLayout(column(m_decimalTime, m_decimalCaption));
    row->addWidget(m_divider, 0, Qt::AlignVCenter);
    row->addLayout(column(m_standardTime, m_standardCaption));
    row->addStretch();
}

void TimeSection::refresh(const CalendarManager& calendar, const PanelStyle& style)
{
    const QString clock = PanelText::decimalClock(calendar.currentTime());
    PanelWidgets::setText(m_decimalTime, clock);
    // A reader is told the time to the decimal minute: a name that changed with every second would
    // be announced with every second.
    const QString minute = clock.left(clock.lastIndexOf(QLatin1Char(':')));
    if (m_decimalTime->accessibleName() != minute) {
        m_decimalTime->setAccessibleName(minute);
    }
    PanelWidgets::setText(m_standardTime, PanelText::standardTime(m_clock.now()));
    fitTimes();

    if (m_styledNight == style.isNight()) {
        return;
    }
    m_styledNight = style.isNight();
    PanelStyle::setForeground(m_decimalTime, style.foreground());
    PanelStyle::setForeground(m_decimalCaption, style.foreground(PanelStyle::Level::secondary));
    PanelStyle::setForeground(m_standardTime, style.foreground(PanelStyle::Level::secondary));
    PanelStyle::setForeground(m_standardCaption, style.foreground(PanelStyle::Level::tertiary));
}

void TimeSection::resizeEvent(QResizeEvent* event)
{
    PanelSection::resizeEvent(event);
    fitTimes();
}

void TimeSection::fitTimes()
{
    // The desktop's monospaced font changes with its language, and a Japanese desktop's is wider:
    // rather than be cut at the panel's edge, both times give up size together.
    const auto* row = static_cast<const QBoxLayout*>(layout());
    const QMargins margins = row->contentsMargins();
    const int room = width() - margins.left() - margins.right() - 2 * row->spacing() - m_divider->width();
    qreal scale = 1.0;
    while (scale > 0.5 && columnWidth(m_decimalTime, m_decimalCaption, decimalSize, scale) +
                                  columnWidth(m_standardTime, m_standardCaption, standardSize, scale) >
                              room) {
        scale -= 0.05;
    }
    for (const auto& [time, size] : {std::pair(m_decimalTime, decimalSize), std::pair(m_standardTime, standardSize)}) {
        if (time->font().pixelSize() != qRound(size * scale)) {
            QFont font = time->font();
            font.setPixelSize(qRound(size * scale));
            time->setFont(font);
        }
    }
}
