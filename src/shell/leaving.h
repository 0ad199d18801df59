// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "forms/main_form.h"

class TaskSlots;
class ExitPassword;

// Ways out of the main window: hiding it (隐藏), leaving the program (退出),
// and the window closed by the window system.
class Leaving {
public:
    Leaving(MainForm& form, const TaskSlots& tasks, const ExitPassword& lock);

private:
    void closedByWindowSystem();
    void hideWindow();
    void quit();
    std::string quitHint() const;
    void askAndEnd();
    void askPasswordAndEnd(const std::string& exitPassword);

    MainForm& form_;
    const TaskSlots& tasks_;
    const ExitPassword& lock_;
};
