// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "security/task_passwords.h"

#include <string>

#include "forms/panel_layout.h"
#include "tasks/slot_texts.h"
#include "toolkit/program.h"

TaskPasswords::TaskPasswords(MainForm& form, TaskSlots& tasks, const TaskPanel& panel,
                             ActivityLog& log)
    : form_(form), tasks_(tasks), panel_(panel), log_(log) {
    bind();
}

void TaskPasswords::bind() {
    form_.setTaskPassword.onClick.bind([this] { openPanel(); });
    form_.confirmPassword.onClick.bind([this] { confirmPassword(); });
    form_.dismissPassword.onClick.bind([this] { dismissPanel(); });
    form_.newPasswordAgain.setHint([] { return std::string("两次输入，以防错误"); });
    form_.newPasswordAgain.onChange.bind([this] { hintConfirmation(); });
}

// Opens the panel for the selected slot; the old password is asked for only
// when the slot has one.
void TaskPasswords::openPanel() {
    const std::optional<int> selected = panel_.currentSlot();
    if (!selected) return;
    const bool hasPassword = !tasks_.slot(*selected).password.empty();
    form_.oldPassword.setVisible(hasPassword);
    form_.oldPasswordCaption.setVisible(hasPassword);
    panel_layout::openPasswordPanel(form_, form_.passwordPanel,
                                    {&form_.setTaskPassword, &form_.taskPanel, &form_.workArea});
    form_.newPassword.setText("");
    form_.newPasswordAgain.setText("");
    form_.oldPassword.setText("");
    form_.setDefaultButton(form_.confirmPassword);
}

void TaskPasswords::confirmPassword() {
    const std::optional<int> selected = panel_.currentSlot();
    if (!selected) return;
    const int slot = *selected;
    tk::Program& program = form_.program();
    if (form_.oldPassword.text() != tasks_.slot(slot).password) {
        program.messageBox(slotTexts(slot).wrongOldPassword, tk::Buttons::Ok,
                           slotTexts(slot).wrongOldPasswordTitle);
        return;
    }
    const std::string& newPassword = form_.newPassword.text();
    if (newPassword.empty()) {
        closePanel();
        return;
    }
    if (newPassword != form_.newPasswordAgain.text()) {
        program.messageBox("两次输入密码不一致,请重新输入", tk::Buttons::Ok, "笨蛋！");
        return;
    }
    tasks_.setPassword(slot, newPassword);
    log_.write(program.clockText() + "->任务" + std::to_string(slot) + "密码设置成功");
    program.messageBox("密码设置成功", tk::Buttons::Ok, "ＹＥＳ");
    closePanel();
}

void TaskPasswords::dismissPanel() {
    closePanel();
}

// The confirmation's hint follows its text, also when opening the panel empties it.
void TaskPasswords::hintConfirmation() {
    form_.hintLine.setCaption(form_.newPasswordAgain.hint());
}

// The working area is usable again although the task settings panel stays
// open; Enter starts a task again, as it did before the panel opened.
void TaskPasswords::closePanel() {
    panel_layout::closePasswordPanel(form_, form_.passwordPanel,
                                     {&form_.setTaskPassword, &form_.taskPanel, &form_.workArea});
    form_.setDefaultButton(form_.startTask);
}
