// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/CalendarExportSection.h"

#include "app/state/CalendarManager.h"
#include "app/state/DateQuery.h"
#include "app/state/IcsCalendar.h"

#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QSpinBox>

#include <algorithm>

namespace {

// The last year whose first day the program shows.
std::int64_t lastYear(LeapRule rule)
{
    return RevolutionaryCalendar::fromDayNumber(DateQuery::lastDayNumber(), rule).year;
}

} // namespace

CalendarExportSection::CalendarExportSection(const CalendarManager& calendar, QWidget* parent)
    : QGroupBox(tr("Export to calendar"), parent), m_calendar(calendar)
{
    setObjectName(QStringLiteral("exportSection"));
    const auto yearBox = [this](const char* name, const QString& spoken) {
        auto* box = new QSpinBox(this);
        box->setObjectName(QLatin1String(name));
        box->setPrefix(tr("an "));
        box->setRange(1, static_cast<int>(lastYear(LeapRule::continuous)));
        box->setValue(static_cast<int>(m_calendar.todayDate().year));
        box->setAccessibleName(spoken);
        return box;
    };
    m_from = yearBox("exportFrom", tr("First year to export"));
    m_to = yearBox("exportTo", tr("Last year to export"));
    auto* button = new QPushButton(tr("Export to calendar…"), this);
    button->setObjectName(QStringLiteral("exportButton"));
    button->setToolTip(tr("Writes one all-day event a day, with its plant, animal, tool or mineral, to an "
                          "iCalendar file; importing it again replaces the days"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("exportStatus"));
    m_status->setWordWrap(true);
    m_status->hide();

    auto* form = new QFormLayout(this);
    form->addRow(tr("From"), m_from);
    form->addRow(tr("To"), m_to);
    form->addRow(button);
    form->addRow(m_status);

    // A range of more than a hundred years, or one going backwards, follows the year just changed.
    connect(m_from, &QSpinBox::valueChanged, this,
            [this](int from) { m_to->setValue(std::clamp(m_to->value(), from, from + 99)); });
    connect(m_to, &QSpinBox::valueChanged, this,
            [this](int to) { m_from->setValue(std::clamp(m_from->value(), to - 99, to)); });
    connect(button, &QPushButton::clicked, this, &CalendarExportSection::exportYears);
    m_chooseFile = [this] {
        return QFileDialog::getSaveFileName(this, tr("Export to calendar"),
                                            QDir::home().filePath(QStringLiteral("calendrier-republicain.ics")),
                                            tr("iCalendar files (*.ics)"));
    };
}

void CalendarExportSection::exportYears()
{
    const QString path = m_chooseFile();
    if (path.isEmpty()) {
        return;
    }
    const LeapRule rule = m_calendar.leapRule();
    const std::int64_t first = RevolutionaryCalendar::firstDayNumber(m_from->value(), rule);
    // A hundred Republican years may pass a hundred civil ones by a day or two.
    const std::int64_t last = std::min({RevolutionaryCalendar::firstDayNumber(m_to->value() + 1, rule) - 1,
                                        DateQuery::lastDayNumber(), IcsCalendar::lastAllowed(first)});
    QString error = IcsCalendar::rangeError(first, last);
    if (error.isEmpty()) {
        QSaveFile file(path);
        const std::string text = IcsCalendar::write(first, last, rule, currentInstant());
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()) ||
            !file.commit()) {
            error = file.errorString();
        }
    }
    // Whole years: always many days, so no singular.
    //: %1 the number of days, %2 the file
    m_status->setText(
        error.isEmpty()
            ? tr("%1 days written to %2").arg(QString::number(last - first + 1), QDir::toNativeSeparators(path))
            : tr("Nothing written: %1").arg(error));
    m_status->show();
}

QString CalendarExportSection::status() const
{
    return m_status->isHidden() ? QString() : m_status->text();
}
