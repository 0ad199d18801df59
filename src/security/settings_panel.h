// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/main_form.h"

class ExitPassword;

// The settings panel on the right of the main window. 设置 opens it, behind
// the exit password when there is one; 确定 closes it, and so does 游戏 before
// the game comes up. While it is open the rest of the main window is disabled.
class SettingsPanel {
public:
    SettingsPanel(MainForm& form, const ExitPassword& lock);

    void close();

private:
    void open();

    MainForm& form_;
    const ExitPassword& lock_;
};
