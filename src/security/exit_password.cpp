// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "security/exit_password.h"

#include "toolkit/program.h"

ExitPassword::ExitPassword(MainForm& form) : form_(form) {
    bind();
}

void ExitPassword::bind() {
    form_.exitPasswordOn.onClick.bind([this] { toggleExitPassword(); });
    form_.changeExitPassword.onClick.bind([this] { changeExitPassword(); });
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
    form_.oldExitPasswordCaption.setVisible(shown && !exitPassword_.empty());
    form_.oldExitPassword.setVisible(shown && !exitPassword_.empty());
    tk::Control* const fields[] = {&form_.newExitPassword, &form_.exitPasswordAgain,
                                   &form_.changeExitPassword, &form_.newExitPasswordCaption,
                                   &form_.exitPasswordAgainCaption};
    for (tk::Control* field : fields) field->setVisible(shown);
}

void ExitPassword::changeExitPassword() {
    tk::Program& program = form_.program();
    if (!exitPassword_.empty() && form_.oldExitPassword.text() != exitPassword_) {
        program.messageBox("原密码不正确，请重新输入", tk::Buttons::Ok, "不对！");
        return;
    }
    if (form_.newExitPassword.text() != form_.exitPasswordAgain.text()) {
        program.messageBox("两次输入密码不一致，请重新输入", tk::Buttons::Ok, "不对！");
        return;
    }
    // The grayed state set from code is a click: the protection switches off
    // completely before the new password takes over.
    form_.exitPasswordOn.setValue(2);
    exitPassword_ = form_.exitPasswordAgain.text();
    savedExitPassword_ = exitPassword_;
    form_.oldExitPassword.setText("");
    form_.newExitPassword.setText("");
    form_.exitPasswordAgain.setText("");
    protectionOn_ = true;
    program.messageBox("设置成功！", tk::Buttons::Ok, "");
}
