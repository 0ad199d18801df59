// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "forms/main_form.h"

class TaskSlots;
class ExitPassword;

// The main window's own behaviour: the blinking of the log,
// hiding it, leaving the program by 退出, and what happens when the window is
// closed by the window system.
class Shell {
public:
    Shell(MainForm& form, const TaskSlots& tasks, const ExitPassword& lock);

private:
    // The text colour the log was given last; the first tick gives it white.
    enum class BlinkPhase { Red, White };

    void closedByWindowSystem();
    void hideWindow();
    void quit();
    void hintQuit();
    void askAndEnd();
    void askPasswordAndEnd(const std::string& exitPassword);
    void blinkLog();

    MainForm& f;
    const TaskSlots& tasks_;
    const ExitPassword& lock_;
    BlinkPhase blinkPhase_ = BlinkPhase::Red;
};
