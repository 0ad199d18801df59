// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "forms/main_form.h"

// The one password that guards both opening the settings panel (设置) and
// leaving the program (退出). The check box 设置密码 switches the protection
// by the program's own flag, never by its check mark; 修改 sets or changes
// the password.
class ExitPassword {
public:
    explicit ExitPassword(MainForm& form);

    // The active password; empty: neither 设置 nor 退出 is protected.
    const std::string& exitPassword() const { return exitPassword_; }

private:
    void bind();
    void toggleExitPassword();
    void changeExitPassword();
    void showPasswordFields(bool shown);

    MainForm& form_;
    std::string exitPassword_;
    std::string savedExitPassword_;  // the last one 修改 stored, kept while switched off
    bool protectionOn_ = false;
};
