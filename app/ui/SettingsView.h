// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class CalendarManager;
class Clock;
class LoginItem;
class NotificationManager;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QScrollArea;
class QTimeEdit;
class SoundManager;

// The settings window: start at login, the panel's theme, the title format and the day on the
// icon, the leap-year rule, the morning reminder and its time, the hourly chimes. Every control
// writes straight into the object that owns the setting; start at login alone lives in the
// desktop's autostart entry.
class SettingsView final : public QWidget
{
    Q_OBJECT

public:
    struct Services
    {
        CalendarManager& calendar;
        NotificationManager& notifications;
        SoundManager& sound;
        LoginItem& loginItem;
        const Clock& clock;
    };

    static constexpr int formWidth = 360;

    explicit SettingsView(Services services, QWidget* parent = nullptr);

    // Shows the window, or raises it when it is already open.
    void present();

    bool launchAtLogin() const { return m_launchAtLogin; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The window's size: the form's, or the screen's height with the page scrolling.
    void fitToPage();

    void refresh();
    void launchAtLoginToggled(bool wanted);
    void setLaunchAtLogin(bool wanted);
    void reminderTimePicked();

    Services m_services;
    bool m_launchAtLogin = false;
    QCheckBox* m_launchAtLoginToggle;
    QComboBox* m_themePicker;
    QComboBox* m_formatPicker;
    QCheckBox* m_iconDayToggle;
    // The rules' buttons, each with its rule as id.
    QButtonGroup* m_leapRules;
    QCheckBox* m_reminderToggle;
    QLabel* m_reminderTimeLabel;
    QTimeEdit* m_reminderTime;
    QCheckBox* m_chimeToggle;
    QWidget* m_page;
    QScrollArea* m_scroll;
};
