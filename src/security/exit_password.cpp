// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "security/exit_password.h"

#include "toolkit/program.h"

ExitPassword::ExitPassword(MainForm& form) : f(form) {
    bind();
}

void ExitPassword::bind() {
    f.exitPasswordOn.onClick.bind([this] { toggleExitPassword(); });
    f.changeExitPassword.onClick.bind([this] { changeExitPassword(); });
}

void ExitPassword::toggleExitPassword() {
    if (!protectionOn_) {
        // The password stored last protects again at once.
        exitPassword_ = savedExitPassword_;
        showPasswordFields(true);
        protectionOn_ = true;
    } else {
        showPasswordFields(false);
        exitPassword_.clear();
        protectionOn_ = false;
    }
}

// The old-password row is shown only when there is an old password to give.
void ExitPassword::showPasswordFields(bool shown) {
    f.oldExitPasswordCaption.setVisible(shown && !exitPassword_.empty());
    f.oldExitPassword.setVisible(shown && !exitPassword_.empty());
    tk::Control* const fields[] = {&f.newExitPassword, &f.exitPasswordAgain, &f.changeExitPassword,
                                   &f.newExitPasswordCaption, &f.exitPasswordAgainCaption};
    for (tk::Control* field : fields) field->setVisible(shown);
}

void ExitPassword::changeExitPassword() {
    tk::Program& program = f.program();
    if (!exitPassword_.empty() && f.oldExitPassword.text() != exitPassword_) {
        program.messageBox("原密码不正确，请重新输入", tk::Buttons::Ok, "不对！");
        return;
    }
    if (f.newExitPassword.text() != f.exitPasswordAgain.text()) {
        program.messageBox("两次输入密码不一致，请重新输入", tk::Buttons::Ok, "不对！");
        return;
    }
    // The grayed state set from code is a click: the protection switches off
    // completely before the new password takes over.
    f.exitPasswordOn.setValue(2);
    exitPassword_ = f.exitPasswordAgain.text();
    savedExitPassword_ = exitPassword_;
    f.oldExitPassword.setText("");
    f.newExitPassword.setText("");
    f.exitPasswordAgain.setText("");
    protectionOn_ = true;
    program.messageBox("设置成功！", tk::Buttons::Ok, "");
}
