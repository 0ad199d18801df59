// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "appearance/display_settings.h"
#include "appearance/help.h"
#include "appearance/hints.h"
#include "forms/activity_log.h"
#include "forms/game_form.h"
#include "forms/log_look.h"
#include "forms/main_form.h"
#include "game/game.h"
#include "security/exit_password.h"
#include "security/settings_panel.h"
#include "security/task_passwords.h"
#include "shell/leaving.h"
#include "shell/splash.h"
#include "shell/title_clock.h"
#include "tasks/cancelling.h"
#include "tasks/delivery.h"
#include "tasks/scheduling.h"
#include "tasks/slot_controls.h"
#include "tasks/task_information.h"
#include "tasks/task_panel.h"
#include "tasks/task_slots.h"

// The whole program on the control model: its windows and the subsystems
// bound to them. start() opens the splash window, and all else follows.
// From outside, the program is its windows, which the views show and people
// (and the tests' user) act on; what no window shows, the slots' tasks and
// the exit password, can be read here and nowhere changed.
class App {
public:
    explicit App(tk::Program& program);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    void start() { splashForm_.show(); }

    SplashForm& splashForm() { return splashForm_; }
    MainForm& mainForm() { return mainForm_; }
    GameForm& gameForm() { return gameForm_; }

    const TaskSlots& tasks() const { return tasks_; }
    const std::string& exitPassword() const { return exitPassword_.exitPassword(); }

private:
    SplashForm splashForm_;
    MainForm mainForm_;
    GameForm gameForm_;
    ActivityLog log_{mainForm_.logBox};
    TitleClock titleClock_{mainForm_};
    LogLook logLook_{mainForm_};
    DisplaySettings display_{mainForm_, titleClock_, logLook_};
    TaskSlots tasks_;
    SlotControls slotControls_{mainForm_, tasks_};
    TaskPanel taskPanel_{mainForm_, tasks_};
    Scheduling scheduling_{mainForm_, slotControls_, taskPanel_, log_};
    Delivery delivery_{mainForm_, tasks_, slotControls_, log_, logLook_};
    TaskInformation taskInformation_{mainForm_, tasks_, taskPanel_, log_};
    Cancelling cancelling_{mainForm_, tasks_, slotControls_, taskPanel_, log_};
    TaskPasswords taskPasswords_{mainForm_, tasks_, taskPanel_, log_};
    ExitPassword exitPassword_{mainForm_};
    SettingsPanel settingsPanel_{mainForm_, exitPassword_};
    Leaving leaving_{mainForm_, tasks_, exitPassword_};
    Hints hints_{mainForm_};
    Help help_{mainForm_};
    Game game_{gameForm_, mainForm_, settingsPanel_};
    Splash splash_{splashForm_, [this] { mainForm_.show(); }};
};
