// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "appearance/display_settings.h"
#include "appearance/hints.h"
#include "forms/activity_log.h"
#include "forms/main_form.h"
#include "game/game.h"
#include "game/game_form.h"
#include "security/exit_password.h"
#include "security/task_passwords.h"
#include "shell/shell.h"
#include "shell/splash.h"
#include "tasks/tasks.h"

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
    DisplaySettings display{mainForm};
    Tasks tasks{mainForm, log};
    TaskPasswords taskPasswords{mainForm, tasks, log};
    ExitPassword exitPassword{mainForm};
    Shell shell{mainForm, tasks, display, exitPassword};
    Hints hints{mainForm};
    Game game{gameForm, mainForm, exitPassword};
    Splash splash{splashForm, [this] { mainForm.show(); }};
};
