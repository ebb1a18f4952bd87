// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/files/SettingsPreferences.h"
#include "app/state/PreferenceKeys.h"
#include "app/ui/CalendarExportSection.h"
#include "app/ui/SettingsView.h"
#include "app/ui/StatusItemBinding.h"
#include "tests/support/FakeStatusItem.h"
#include "tests/ui/UiFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>

namespace {

template <typename Widget>
Widget* child(const QWidget& parent, const char* objectName)
{
    auto* found = parent.findChild<Widget*>(QLatin1String(objectName));
    Q_ASSERT(found);
    return found;
}

// Picks an entry of a picker the way a user does.
void choose(QComboBox* picker, const QString& label)
{
    const int index = picker->findText(label);
    QVERIFY2(index >= 0, qPrintable(label));
    picker->setCurrentIndex(index);
    Q_EMIT picker->activated(index);
}

} // namespace

class TestSettingsView : public QObject
{
    Q_OBJECT

    // Instants in these tests are Paris times, also when the test runs without ctest's TZ.
    ScopedTimeZone m_zone{"Europe/Paris"};

private Q_SLOTS:
    void sectionsAndChoicesInOrder();
    void appearanceReachesManagerPreferencesAndTitle();
    void choicesReachThePreferencesFile();
    void leapRuleRoundTripsThroughTheFile();
    void iconCarriesTheDayOnceChosen();
    void reminderToggleAndTime();
    void heightFollowsTheReminderSwitch();
    void tallFormScrollsWithinTheScreen();
    void timePickerFollowsTheLocale_data();
    void timePickerFollowsTheLocale();
    void chimeToggleFollowsThePanel();
    void launchAtLoginReflectsTheDesktop_data();
    void launchAtLoginReflectsTheDesktop();
    void failedRegistrationRevertsOnce();
    void exportsWholeYears();
};

void TestSettingsView::sectionsAndChoicesInOrder()
{
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0));
    SettingsView view(fixture.settingsServices());
    view.present();
    QStringList titles;
    for (const QGroupBox* box : view.findChildren<QGroupBox*>()) {
        titles << box->title();
    }
    QCOMPARE(titles, (QStringList{"General", "Appearance", "Menu bar", "Leap years", "Daily reminder", "Sound",
                                  "Export to calendar"}));
    QCOMPARE(view.width(), SettingsView::formWidth);

    QStringList themes;
    for (int i = 0; i < child<QComboBox>(view, "themePicker")->count(); ++i) {
        themes << child<QComboBox>(view, "themePicker")->itemText(i);
    }
    QCOMPARE(themes, (QStringList{"Light parchment", "Sepia night", "Desktop"}));
    QStringList formats;
    for (int i = 0; i < child<QComboBox>(view, "formatPicker")->count(); ++i) {
        formats << child<QComboBox>(view, "formatPicker")->itemText(i);
    }
    QCOMPARE(formats, (QStringList{"Date & decimal time", "Date only", "Decimal time only", "Day number only"}));
    QCOMPARE(child<QCheckBox>(view, "chimeToggle")->text(), QStringLiteral("Hourly chimes (La Marseillaise)"));
    QCOMPARE(child<QCheckBox>(view, "reminderToggle")->text(), QStringLiteral("Notify me each morning"));
    QCOMPARE(child<QCheckBox>(view, "launchAtLogin")->text(), QStringLiteral("Launch at login"));
    QVERIFY(!child<QCheckBox>(view, "iconDayToggle")->isChecked());
    // A first launch: reminders on at 08:00, chimes on.
    QVERIFY(child<QCheckBox>(view, "reminderToggle")->isChecked());
    QCOMPARE(child<QTimeEdit>(view, "reminderTime")->time(), QTime(8, 0));
    QVERIFY(child<QCheckBox>(view, "chimeToggle")->isChecked());
}

void TestSettingsView::appearanceReachesManagerPreferencesAndTitle()
{
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0));
    FakeStatusItem item;
    StatusItemBinding binding(*fixture.calendar, item);
    SettingsView view(fixture.settingsServices());
    view.present();
    QCOMPARE(item.title(), QStringLiteral("🥶 15 Frimaire · Quintidi · 4:44"));
    QCOMPARE(item.toolTipTitle(), item.title());
    QCOMPARE(item.iconSets(), 1);

    choose(child<QComboBox>(view, "formatPicker"), QStringLiteral("Date only"));
    QCOMPARE(fixture.calendar->menuBarFormat(), MenuBarFormat::date);
    QCOMPARE(fixture.preferences->values().value(QStringLiteral("menuBarFormat")).toString(), QStringLiteral("date"));
    QCOMPARE(item.title(), QStringLiteral("🥶 15 Frim."));
    // The tooltip keeps the full date and time whatever the title shows.
    QCOMPARE(item.toolTipTitle(), QStringLiteral("🥶 15 Frimaire · Quintidi · 4:44"));
    QCOMPARE(item.toolTip().split(u'\n').value(1), QStringLiteral("4:44 décimal"));

    choose(child<QComboBox>(view, "themePicker"), QStringLiteral("Sepia night"));
    QCOMPARE(fixture.calendar->theme(), AppTheme::sepiaNight);
    QCOMPARE(fixture.preferences->values().value(QStringLiteral("appTheme")).toString(), QStringLiteral("sepiaNight"));

    // Ticks republish; the item is given a title only when it changes, and the icon only with the month.
    const int titlesBefore = item.titleSets();
    fixture.tickAt(localInstant(2026, 12, 7, 10, 40, 1));
    fixture.tickAt(localInstant(2026, 12, 7, 10, 40, 2));
    QCOMPARE(item.titleSets(), titlesBefore);
    fixture.tickAt(localInstant(2026, 12, 22, 10, 40, 2));
    QCOMPARE(item.iconSets(), 1);
    fixture.tickAt(localInstant(2026, 12, 23, 0, 0, 1));
    QCOMPARE(item.title(), QStringLiteral("☃️ 1 Nivô."));
    QCOMPARE(item.iconSets(), 2);

    // A bar with room for a few characters (a vertical panel) keeps the symbol and the day; the
    // time alone is left as chosen.
    item.setTitleRoom(StatusItem::TitleRoom::few);
    QCOMPARE(item.title(), QStringLiteral("☃️ 1"));
    choose(child<QComboBox>(view, "formatPicker"), QStringLiteral("Decimal time only"));
    QCOMPARE(item.title(), QStringLiteral("☃️ 0:00"));
    choose(child<QComboBox>(view, "formatPicker"), QStringLiteral("Date & decimal time"));
    QCOMPARE(item.title(), QStringLiteral("☃️ 1"));
    item.setTitleRoom(StatusItem::TitleRoom::whole);
    QCOMPARE(item.title(), QStringLiteral("☃️ 1 Nivôse · Primidi · 0:00"));
}

void TestSettingsView::choicesReachThePreferencesFile()
{
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Quintaval.conf"));
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0), QStringLiteral(QUINTAVAL_BUILD_RESOURCES),
                      std::make_shared<SettingsPreferences>(file));
    SettingsView view(fixture.settingsServices());
    view.present();
    choose(child<QComboBox>(view, "formatPicker"), QStringLiteral("Decimal time only"));
    child<QCheckBox>(view, "chimeToggle")->click();
    child<QTimeEdit>(view, "reminderTime")->setTime(QTime(6, 45));

    // Read back as the next launch will.
    const QSettings stored(file, QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("menuBarFormat")).toString(), QStringLiteral("decimalTime"));
    QCOMPARE(stored.value(QStringLiteral("soundEnabled")).toString(), QStringLiteral("false"));
    QCOMPARE(stored.value(QStringLiteral("notificationHour")).toInt(), 6);
    QCOMPARE(stored.value(QStringLiteral("notificationMinute")).toInt(), 45);
    QCOMPARE(fixture.calendar->menuBarText(), QStringLiteral("🥶 4:44"));
}

void TestSettingsView::leapRuleRoundTripsThroughTheFile()
{
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Quintaval.conf"));
    const auto launch = [&file] {
        return std::make_unique<UiFixture>(localInstant(2026, 12, 9, 10, 40, 0),
                                           QStringLiteral(QUINTAVAL_BUILD_RESOURCES),
                                           std::make_shared<SettingsPreferences>(file, PreferenceKeys::schema()));
    };
    {
        const auto fixture = launch();
        SettingsView view(fixture->settingsServices());
        view.present();
        QVERIFY(child<QRadioButton>(view, "leapRule-continuous")->isChecked());
        QCOMPARE(child<QRadioButton>(view, "leapRule-madler")->text(), QStringLiteral("von Mädler"));
        QCOMPARE(
            child<QLabel>(view, "leapRuleExplanation-equinox")->text(),
            QStringLiteral("Each year begins on the day of the autumn equinox at Paris, as the decree of 1793 said"));
        child<QRadioButton>(view, "leapRule-equinox")->click();
        QCOMPARE(fixture->calendar->todayDate(), (RevolutionaryDate{235, 3, 18, 8}));
        QCOMPARE(QSettings(file, QSettings::IniFormat).value(QStringLiteral("leapRule")).toString(),
                 QStringLiteral("equinox"));
    }
    {
        const auto fixture = launch();
        QCOMPARE(fixture->calendar->leapRule(), LeapRule::equinox);
        QCOMPARE(fixture->calendar->currentDate(), (RevolutionaryDate{235, 3, 18, 8}));
        SettingsView view(fixture->settingsServices());
        QVERIFY(child<QRadioButton>(view, "leapRule-equinox")->isChecked());
    }

    // A name no rule has (a later version's, or a slip of the hand): the default, said once, and
    // the file left as the user wrote it.
    QSettings(file, QSettings::IniFormat).setValue(QStringLiteral("leapRule"), QStringLiteral("gregorian"));
    QFile stored(file);
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QByteArray before = stored.readAll();
    stored.close();
    const QRegularExpression said(QStringLiteral("leapRule 'gregorian' names no leap-year rule; using continuous"));
    QTest::ignoreMessage(QtWarningMsg, said);
    QTest::failOnWarning(said);
    const auto fixture = launch();
    QCOMPARE(fixture->calendar->leapRule(), LeapRule::continuous);
    QCOMPARE(fixture->calendar->todayDate(), (RevolutionaryDate{235, 3, 17, 7}));
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), before);
}

// Where the tray shows icons alone the icon tells the day once the user asks for it: at once, then
// at midnight with the title, by the leap-year rule chosen, and never again within the day.
void TestSettingsView::iconCarriesTheDayOnceChosen()
{
    UiFixture fixture(localInstant(2026, 12, 9, 10, 40, 0));
    FakeStatusItem item;
    StatusItemBinding binding(*fixture.calendar, item);
    SettingsView view(fixture.settingsServices());
    view.present();
    const QList<QImage> emojiAlone = item.icon();

    child<QCheckBox>(view, "iconDayToggle")->click();
    QCOMPARE(fixture.preferences->values().value(QStringLiteral("iconShowsDay")).toBool(), true);
    QCOMPARE(item.iconSets(), 2);
    const QList<QImage> seventeenth = item.icon();
    QVERIFY(seventeenth != emojiAlone);

    fixture.tickAt(localInstant(2026, 12, 9, 23, 59, 59));
    QCOMPARE(item.iconSets(), 2);
    fixture.tickAt(localInstant(2026, 12, 10, 0, 0, 1));
    QCOMPARE(item.iconSets(), 3);
    const QList<QImage> eighteenth = item.icon();
    // The clock set back a day, then the equinox's years, by which that day is the 18th.
    fixture.tickAt(localInstant(2026, 12, 9, 10, 41, 0));
    QCOMPARE(item.icon(), seventeenth);
    child<QRadioButton>(view, "leapRule-equinox")->click();
    QCOMPARE(item.icon(), eighteenth);

    child<QCheckBox>(view, "iconDayToggle")->click();
    QCOMPARE(item.icon(), emojiAlone);
}

void TestSettingsView::reminderToggleAndTime()
{
    UiFixture fixture(localInstant(2026, 12, 7, 6, 0, 0));
    fixture.notifications->start();
    fixture.center->answerAuthorization(true);
    SettingsView view(fixture.settingsServices());
    view.present();
    QTimeEdit* time = child<QTimeEdit>(view, "reminderTime");
    QCheckBox* toggle = child<QCheckBox>(view, "reminderToggle");
    QVERIFY(time->isVisible());
    QCOMPARE(fixture.center->pendingCount(), std::size_t{14});

    toggle->click();
    QVERIFY(!fixture.notifications->enabled());
    QVERIFY(!time->isVisible());
    QCOMPARE(fixture.center->pendingCount(), std::size_t{0});

    toggle->click();
    QVERIFY(time->isVisible());
    QCOMPARE(time->time(), QTime(8, 0));
    QCOMPARE(fixture.center->pendingCount(), std::size_t{14});

    const int removalsBefore = fixture.center->removals();
    time->setTime(QTime(7, 30));
    QCOMPARE(fixture.preferences->values().value(QStringLiteral("notificationHour")).toInt(), 7);
    QCOMPARE(fixture.preferences->values().value(QStringLiteral("notificationMinute")).toInt(), 30);
    // Hour, then minute: two rebuilds, the last with both.
    QCOMPARE(fixture.center->removals() - removalsBefore, 2);
    const auto pending = fixture.center->pendingRequests();
    QCOMPARE(pending.size(), std::size_t{14});
    QCOMPARE(pending.front().trigger.hour, 7);
    QCOMPARE(pending.front().trigger.minute, 30);
    QCOMPARE(time->time(), QTime(7, 30));
}

void TestSettingsView::heightFollowsTheReminderSwitch()
{
    UiFixture fixture(localInstant(2026, 12, 7, 6, 0, 0));
    SettingsView view(fixture.settingsServices());
    view.present();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCheckBox* toggle = child<QCheckBox>(view, "reminderToggle");
    const int withTime = view.height();

    toggle->click();
    QTRY_VERIFY(view.height() < withTime);
    // No empty band where the picker was: the last section ends at the form's margin.
    const QWidget* last = nullptr;
    for (const QGroupBox* box : view.findChildren<QGroupBox*>()) {
        if (!last || box->geometry().bottom() > last->geometry().bottom()) {
            last = box;
        }
    }
    QCOMPARE(view.height() - last->geometry().bottom() - 1, last->parentWidget()->layout()->contentsMargins().bottom());

    toggle->click();
    QTRY_COMPARE(view.height(), withTime);
    QCOMPARE(view.width(), SettingsView::formWidth);
}

// On a screen shorter than the form (a large desktop font), the window keeps to the screen and its
// page scrolls, every section still reachable.
void TestSettingsView::tallFormScrollsWithinTheScreen()
{
    UiFixture fixture(localInstant(2026, 12, 7, 6, 0, 0));
    QFont large = QApplication::font();
    large.setPointSizeF(large.pointSizeF() * 3);
    QApplication::setFont(large);
    SettingsView view(fixture.settingsServices());
    view.present();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const int room = view.screen()->availableGeometry().height();
    QVERIFY2(view.height() <= room, qPrintable(QStringLiteral("%1 > %2").arg(view.height()).arg(room)));
    auto* scroll = view.findChild<QScrollArea*>();
    QVERIFY(scroll && scroll->verticalScrollBar()->maximum() > 0);
    QApplication::setFont(QFont());
}

void TestSettingsView::timePickerFollowsTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("shown");
    QTest::newRow("C") << "C"
                       << "08:00";
    QTest::newRow("en_US") << "en_US"
                           << "8:00 AM";
    QTest::newRow("fr_FR") << "fr_FR"
                           << "08:00";
}

void TestSettingsView::timePickerFollowsTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, shown);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    UiFixture fixture(localInstant(2026, 12, 7, 6, 0, 0));
    SettingsView view(fixture.settingsServices());
    QLocale::setDefault(before);
    QCOMPARE(child<QTimeEdit>(view, "reminderTime")->text(), shown);
}

void TestSettingsView::chimeToggleFollowsThePanel()
{
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0));
    SettingsView view(fixture.settingsServices());
    view.present();
    QCheckBox* chimes = child<QCheckBox>(view, "chimeToggle");
    fixture.sound->setSoundEnabled(false);
    QVERIFY(!chimes->isChecked());
    chimes->click();
    QVERIFY(fixture.sound->soundEnabled());
    QCOMPARE(fixture.preferences->values().value(QStringLiteral("soundEnabled")).toBool(), true);
}

void TestSettingsView::launchAtLoginReflectsTheDesktop_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("checked");
    QTest::newRow("enabled") << int(LoginItem::Status::enabled) << true;
    QTest::newRow("not registered") << int(LoginItem::Status::notRegistered) << false;
    QTest::newRow("requires approval") << int(LoginItem::Status::requiresApproval) << false;
    QTest::newRow("not found") << int(LoginItem::Status::notFound) << false;
}

void TestSettingsView::launchAtLoginReflectsTheDesktop()
{
    QFETCH(int, status);
    QFETCH(bool, checked);
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0));
    fixture.loginItem.setStatus(static_cast<LoginItem::Status>(status));
    SettingsView view(fixture.settingsServices());
    view.present();
    QCOMPARE(child<QCheckBox>(view, "launchAtLogin")->isChecked(), checked);
    QCOMPARE(fixture.loginItem.registerCalls() + fixture.loginItem.unregisterCalls(), 0);
}

void TestSettingsView::failedRegistrationRevertsOnce()
{
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0));
    SettingsView view(fixture.settingsServices());
    view.present();
    QCheckBox* toggle = child<QCheckBox>(view, "launchAtLogin");

    toggle->click();
    QCOMPARE(fixture.loginItem.registerCalls(), 1);
    QCOMPARE(fixture.loginItem.status(), LoginItem::Status::enabled);
    QVERIFY(toggle->isChecked());
    QVERIFY(view.launchAtLogin());
    toggle->click();
    QCOMPARE(fixture.loginItem.unregisterCalls(), 1);

    // Refused: back to what the desktop says, which asks once more to unregister, and stays.
    fixture.loginItem.setFailRequests(true);
    toggle->click();
    QCOMPARE(fixture.loginItem.registerCalls(), 2);
    QCOMPARE(fixture.loginItem.unregisterCalls(), 2);
    QVERIFY(!toggle->isChecked());
    QVERIFY(!view.launchAtLogin());
}

void TestSettingsView::exportsWholeYears()
{
    UiFixture fixture(localInstant(2026, 12, 7, 10, 40, 0));
    fixture.calendar->setLeapRule(LeapRule::romme);
    SettingsView view(fixture.settingsServices());
    auto* section = view.findChild<CalendarExportSection*>();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("an.ics"));
    section->setFileChooser([&path] { return path; });
    child<QSpinBox>(view, "exportFrom")->setValue(235);
    child<QSpinBox>(view, "exportTo")->setValue(236); // an CCXXXVI is leap under Romme
    section->exportYears();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QCOMPARE(text.count("BEGIN:VEVENT"), 365 + 366);
    QVERIFY(text.contains("UID:20260922-romme@quintaval\r\n"));
    QVERIFY(text.contains("SUMMARY:6 Sansculottides an CCXXXVI"));
    QVERIFY2(section->status().startsWith(QLatin1String("731 days written to")), qPrintable(section->status()));
    // No more than a hundred years: the other end follows.
    child<QSpinBox>(view, "exportTo")->setValue(400);
    QCOMPARE(child<QSpinBox>(view, "exportFrom")->value(), 301);
}

QTEST_MAIN(TestSettingsView)
#include "TestSettingsView.moc"
