// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "appearance/display_settings.h"
#include "forms/activity_log.h"
#include "forms/main_form.h"

#include <string>

class Tasks;
class ExitPassword;

// The main window's own behaviour: its load step, the title clock, the
// blinking of the log, hiding it, leaving the program by 退出, and what
// happens when the window is closed by the window system.
class Shell {
public:
    Shell(MainForm& form, Tasks& tasks, DisplaySettings& display, const ExitPassword& lock);

    float blinkPhase() const { return blinkPhase_; }

private:
    void load();
    void closedByWindowSystem();
    void hideWindow();
    void quit();
    void hintQuit();
    void askAndEnd();
    void askPasswordAndEnd(const std::string& exitPassword);
    void tickTitleClock();
    void blinkLog();

    MainForm& f;
    Tasks& tasks_;
    DisplaySettings& display_;
    const ExitPassword& lock_;
    float blinkPhase_ = 0;
};
