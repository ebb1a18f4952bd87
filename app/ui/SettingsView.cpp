// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/SettingsView.h"

#include "app/platform/Clock.h"
#include "app/platform/LoginItem.h"
#include "app/state/CalendarManager.h"
#include "app/state/LeapRuleChoice.h"
#include "app/state/NotificationManager.h"
#include "app/state/SoundManager.h"
#include "app/ui/CalendarExportSection.h"
#include "app/ui/PanelStyle.h"
#include "app/ui/PanelText.h"
#include "calendar/LocalCalendar.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

// What a window manager's title bar may take of the screen's height.
constexpr int titleBarAllowance = 48;

QGroupBox* section(QWidget* parent, const QString& title, const char* objectName)
{
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QLatin1String(objectName));
    return box;
}

// The names are the state layer's English ones (string literals), translated in `context`.
template <typename Enum, std::size_t Count, typename Names>
void fillPicker(QComboBox* picker, const std::array<Enum, Count>& cases, Names displayName, const char* context)
{
    for (const Enum value : cases) {
        picker->addItem(QCoreApplication::translate(context, displayName(value).data()), static_cast<int>(value));
    }
}

} // namespace

SettingsView::SettingsView(Services services, QWidget* parent) : QWidget(parent, Qt::Window), m_services(services)
{
    setObjectName(QStringLiteral("settingsView"));
    setWindowTitle(tr("Quintaval Settings"));

    m_launchAtLogin = services.loginItem.status() == LoginItem::Status::enabled;
    m_launchAtLoginToggle = new QCheckBox(tr("Launch at login"));
    m_launchAtLoginToggle->setObjectName(QStringLiteral("launchAtLogin"));
    m_launchAtLoginToggle->setChecked(m_launchAtLogin);
    auto* general = section(this, tr("General"), "generalSection");
    (new QVBoxLayout(general))->addWidget(m_launchAtLoginToggle);

    m_themePicker = new QComboBox;
    m_themePicker->setObjectName(QStringLiteral("themePicker"));
    fillPicker(m_themePicker, AppThemes::allCases, AppThemes::displayName, "AppTheme");
    auto* appearance = section(this, tr("Appearance"), "appearanceSection");
    (new QFormLayout(appearance))->addRow(tr("Theme"), m_themePicker);

    m_formatPicker = new QComboBox;
    m_formatPicker->setObjectName(QStringLiteral("formatPicker"));
    fillPicker(m_formatPicker, MenuBarFormats::allCases, MenuBarFormats::displayName, "MenuBarFormat");
    // For trays that show the icon alone (KDE's, XFCE's, waybar's), where the title never shows.
    m_iconDayToggle = new QCheckBox(tr("Show the day's number on the icon"));
    m_iconDayToggle->setObjectName(QStringLiteral("iconDayToggle"));
    auto* menuBar = section(this, tr("Menu bar"), "menuBarSection");
    auto* menuBarForm = new QFormLayout(menuBar);
    menuBarForm->addRow(tr("Show"), m_formatPicker);
    menuBarForm->addRow(m_iconDayToggle);

    // Every rule with its explanation in sight: the choice moves dates by a day or two, and the
    // names alone say nothing to most.
    auto* leapYears = section(this, tr("Leap years"), "leapRuleSection");
    auto* ruleList = new QVBoxLayout(leapYears);
    m_leapRules = new QButtonGroup(this);
    for (const LeapRule rule : LeapRuleChoice::allCases) {
        const std::string_view name = leapRuleName(rule);
        auto* button = new QRadioButton(LeapRuleChoice::displayName(rule));
        button->setObjectName(QStringLiteral("leapRule-") + PanelText::fromUtf8(name));
        auto* explanation = new QLabel(LeapRuleChoice::explanation(rule));
        explanation->setObjectName(QStringLiteral("leapRuleExplanation-") + PanelText::fromUtf8(name));
        explanation->setWordWrap(true);
        // Quieter than the choices, yet far from the placeholder's grey, which few can read.
        QPalette quiet = explanation->palette();
        QColor ink = quiet.color(QPalette::WindowText);
        ink.setAlphaF(0.75);
        quiet.setColor(QPalette::WindowText, ink);
        explanation->setPalette(quiet);
        QFont small = explanation->font();
        small.setPointSizeF(small.pointSizeF() * 0.9);
        explanation->setFont(small);
        // Under the button's text, past its indicator.
        explanation->setContentsMargins(button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                                            button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing),
                                        0, 0, 4);
        m_leapRules->addButton(button, static_cast<int>(rule));
        ruleList->addWidget(button);
        ruleList->addWidget(explanation);
    }

    m_reminderToggle = new QCheckBox(tr("Notify me each morning"));
    m_reminderToggle->setObjectName(QStringLiteral("reminderToggle"));
    m_reminderTime = new QTimeEdit;
    m_reminderTime->setObjectName(QStringLiteral("reminderTime"));
    m_reminderTime->setDisplayFormat(PanelText::shortTimeFormat());
    m_reminderTimeLabel = new QLabel(tr("Time"));
    m_reminderTimeLabel->setBuddy(m_reminderTime);
    // The field's own name, not its box's title; its value is read out in its description, the
    // toolkit giving a reader only a number for a time.
    m_reminderTime->setAccessibleName(tr("Reminder time"));
    auto* reminder = section(this, tr("Daily reminder"), "reminderSection");
    auto* reminderForm = new QFormLayout(reminder);
    reminderForm->addRow(m_reminderToggle);
    reminderForm->addRow(m_reminderTimeLabel, m_reminderTime);

    m_chimeToggle = new QCheckBox(tr("Hourly chimes (La Marseillaise)"));
    m_chimeToggle->setObjectName(QStringLiteral("chimeToggle"));
    auto* sound = section(this, tr("Sound"), "soundSection");
    (new QVBoxLayout(sound))->addWidget(m_chimeToggle);

    // The sections on a page of their own, which scrolls only where the screen is too short for it
    // (a large desktop font on a small screen).
    m_page = new QWidget;
    m_page->setObjectName(QStringLiteral("settingsPage"));
    m_page->installEventFilter(this);
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setWidget(m_page);
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(m_scroll);
    auto* form = new QVBoxLayout(m_page);
    form->setContentsMargins(20, 20, 20, 20);
    auto* calendarExport = new CalendarExportSection(services.calendar, this);
    for (QGroupBox* box :
         {general, appearance, menuBar, leapYears, reminder, sound, static_cast<QGroupBox*>(calendarExport)}) {
        form->addWidget(box);
    }

    // At the design's width for the application font, wider when a text asks for more; the height
    // follows what it shows.
    setMinimumWidth(PanelStyle::scaled(formWidth));
    refresh();

    connect(m_launchAtLoginToggle, &QCheckBox::toggled, this, &SettingsView::launchAtLoginToggled);
    connect(m_themePicker, &QComboBox::activated, this, [this](int index) {
        m_services.calendar.setTheme(static_cast<AppTheme>(m_themePicker->itemData(index).toInt()));
    });
    connect(m_formatPicker, &QComboBox::activated, this, [this](int index) {
        m_services.calendar.setMenuBarFormat(static_cast<MenuBarFormat>(m_formatPicker->itemData(index).toInt()));
    });
    connect(m_iconDayToggle, &QCheckBox::toggled, this,
            [this](bool shows) { m_services.calendar.setIconShowsDay(shows); });
    connect(m_leapRules, &QButtonGroup::idClicked, this,
            [this](int id) { m_services.calendar.setLeapRule(static_cast<LeapRule>(id)); });
    connect(m_reminderToggle, &QCheckBox::toggled, this,
            [this](bool enabled) { m_services.notifications.setEnabled(enabled); });
    connect(m_reminderTime, &QTimeEdit::timeChanged, this, &SettingsView::reminderTimePicked);
    connect(m_chimeToggle, &QCheckBox::toggled, this,
            [this](bool enabled) { m_services.sound.setSoundEnabled(enabled); });

    connect(&services.calendar, &CalendarManager::changed, this, &SettingsView::refresh);
    connect(&services.notifications, &NotificationManager::changed, this, &SettingsView::refresh);
    connect(&services.sound, &SoundManager::changed, this, &SettingsView::refresh);
}

void SettingsView::present()
{
    if (!isVisible()) {
        // Opening the window reads the desktop's answer afresh: it may have changed outside.
        m_launchAtLogin = m_services.loginItem.status() == LoginItem::Status::enabled;
        const QSignalBlocker blocker(m_launchAtLoginToggle);
        m_launchAtLoginToggle->setChecked(m_launchAtLogin);
    }
    refresh();
    show();
    raise();
    activateWindow();
}

void SettingsView::refresh()
{
    // Shows the owners' values without writing them back.
    const QSignalBlocker themeBlocker(m_themePicker);
    const QSignalBlocker formatBlocker(m_formatPicker);
    const QSignalBlocker iconDayBlocker(m_iconDayToggle);
    const QSignalBlocker reminderBlocker(m_reminderToggle);
    const QSignalBlocker timeBlocker(m_reminderTime);
    const QSignalBlocker chimeBlocker(m_chimeToggle);
    m_themePicker->setCurrentIndex(m_themePicker->findData(static_cast<int>(m_services.calendar.theme())));
    m_formatPicker->setCurrentIndex(m_formatPicker->findData(static_cast<int>(m_services.calendar.menuBarFormat())));
    m_iconDayToggle->setChecked(m_services.calendar.iconShowsDay());
    // Checking a button in code sends no click, so nothing is written back.
    m_leapRules->button(static_cast<int>(m_services.calendar.leapRule()))->setChecked(true);
    const NotificationManager& notifications = m_services.notifications;
    m_reminderToggle->setChecked(notifications.enabled());
    if (m_reminderTime->isVisibleTo(this) != notifications.enabled()) {
        m_reminderTimeLabel->setVisible(notifications.enabled());
        m_reminderTime->setVisible(notifications.enabled());
    }
    QTime shown(notifications.hour(), notifications.minute());
    if (!shown.isValid()) {
        // A stored time no clock shows: the picker starts from the present time.
        const CivilDateTime now = LocalCalendar::components(m_services.clock.now());
        shown = QTime(now.hour, now.minute);
    }
    if (m_reminderTime->time() != shown) {
        m_reminderTime->setTime(shown);
    }
    m_reminderTime->setAccessibleDescription(QLocale().toString(shown, QLocale::ShortFormat));
    m_chimeToggle->setChecked(m_services.sound.soundEnabled());
}

bool SettingsView::eventFilter(QObject* watched, QEvent* event)
{
    const bool handled = QWidget::eventFilter(watched, event);
    // A control shown or hidden deep in the form reaches the page as a layout request once the
    // sections have taken their new sizes: only then is the form's height known.
    if (watched == m_page && event->type() == QEvent::LayoutRequest) {
        fitToPage();
    }
    return handled;
}

void SettingsView::fitToPage()
{
    QLayout* form = m_page->layout();
    const int width = std::max(PanelStyle::scaled(formWidth), form->totalMinimumSize().width());
    const int height = form->hasHeightForWidth() ? form->totalHeightForWidth(width) : form->totalSizeHint().height();
    // Never taller than the screen leaves windows (less room for the window's title bar): the page
    // scrolls then, and the scroll bar takes its own width rather than the form's.
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().height() - titleBarAllowance : height;
    const bool scrolls = height > room;
    const QSize fitted(width + (scrolls ? m_scroll->verticalScrollBar()->sizeHint().width() : 0),
                       scrolls ? room : height);
    if (fitted != size() || minimumSize() != maximumSize()) {
        setFixedSize(fitted);
    }
}

void SettingsView::keyPressEvent(QKeyEvent* event)
{
    // A settings window with nothing to confirm closes as a dialogue would.
    if ((event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) ||
        event->matches(QKeySequence::Close) ||
        (event->key() == Qt::Key_W && event->modifiers() == Qt::ControlModifier)) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SettingsView::launchAtLoginToggled(bool wanted)
{
    m_launchAtLogin = wanted;
    setLaunchAtLogin(wanted);
}

void SettingsView::setLaunchAtLogin(bool wanted)
{
    LoginItem& item = m_services.loginItem;
    const bool done = wanted ? item.registerItem() : item.unregisterItem();
    if (done) {
        return;
    }
    // The toggle goes back to what the desktop reports; when that differs, the change runs this
    // once more with the reverted value, and a second failure leaves it there.
    const bool enabled = item.status() == LoginItem::Status::enabled;
    if (m_launchAtLoginToggle->isChecked() != enabled) {
        m_launchAtLoginToggle->setChecked(enabled);
    }
}

void SettingsView::reminderTimePicked()
{
    const QTime picked = m_reminderTime->time();
    NotificationManager& notifications = m_services.notifications;
    notifications.setHour(picked.isValid() ? picked.hour() : 8);
    notifications.setMinute(picked.isValid() ? picked.minute() : 0);
}
