// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

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
class App {
public:
    explicit App(tk::Program& program);

    void start() { splashForm.show(); }

    SplashForm splashForm;
    MainForm mainForm;
    GameForm gameForm;
    ActivityLog log{mainForm.logBox};
    TitleClock titleClock{mainForm};
    LogLook logLook{mainForm};
    DisplaySettings display{mainForm, titleClock, logLook};
    TaskSlots tasks;
    SlotControls slotControls{mainForm, tasks};
    TaskPanel taskPanel{mainForm, tasks};
    Scheduling scheduling{mainForm, slotControls, taskPanel, log};
    Delivery delivery{mainForm, tasks, slotControls, log, logLook};
    TaskInformation taskInformation{mainForm, tasks, taskPanel, log};
    Cancelling cancelling{mainForm, tasks, slotControls, taskPanel, log};
    TaskPasswords taskPasswords{mainForm, tasks, taskPanel, log};
    ExitPassword exitPassword{mainForm};
    SettingsPanel settingsPanel{mainForm, exitPassword};
    Leaving leaving{mainForm, tasks, exitPassword};
    Hints hints{mainForm};
    Help help{mainForm};
    Game game{gameForm, mainForm, settingsPanel};
    Splash splash{splashForm, [this] { mainForm.show(); }};
};
