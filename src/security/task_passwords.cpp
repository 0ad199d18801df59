// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "security/task_passwords.h"

#include "forms/panel_layout.h"
#include "tasks/slot_texts.h"
#include "toolkit/program.h"

TaskPasswords::TaskPasswords(MainForm& form, TaskSlots& tasks, const TaskPanel& panel,
                             ActivityLog& log)
    : f(form), tasks_(tasks), panel_(panel), log_(log) {
    bind();
}

void TaskPasswords::bind() {
    f.setTaskPassword.onClick.bind([this] { openPanel(); });
    f.confirmPassword.onClick.bind([this] { confirmPassword(); });
    f.dismissPassword.onClick.bind([this] { dismissPanel(); });
    f.newPasswordAgain.onChange.bind([this] { hintConfirmation(); });
}

// Opens the panel for the selected slot; the old password is asked for only
// when the slot has one.
void TaskPasswords::openPanel() {
    const std::optional<int> k = panel_.currentSlot();
    if (!k) return;
    const bool hasPassword = !tasks_.slot(*k).password.empty();
    f.oldPassword.setVisible(hasPassword);
    f.oldPasswordCaption.setVisible(hasPassword);
    panel_layout::openPasswordPanel(f, f.passwordPanel,
                                    {&f.setTaskPassword, &f.taskPanel, &f.workArea});
    f.newPassword.setText("");
    f.newPasswordAgain.setText("");
    f.oldPassword.setText("");
    f.setDefaultButton(f.confirmPassword);
}

void TaskPasswords::confirmPassword() {
    const std::optional<int> selected = panel_.currentSlot();
    if (!selected) return;
    const int k = *selected;
    tk::Program& program = f.program();
    if (f.oldPassword.text() != tasks_.slot(k).password) {
        program.messageBox(slotTexts(k).wrongOldPassword, tk::Buttons::Ok,
                           slotTexts(k).wrongOldPasswordTitle);
        return;
    }
    const std::string& newPassword = f.newPassword.text();
    if (newPassword.empty()) {
        closePanel();
        return;
    }
    if (newPassword != f.newPasswordAgain.text()) {
        program.messageBox("两次输入密码不一致,请重新输入", tk::Buttons::Ok, "笨蛋！");
        return;
    }
    tasks_.setPassword(k, newPassword);
    log_.write(program.clockText() + "->任务" + std::to_string(k) + "密码设置成功");
    program.messageBox("密码设置成功", tk::Buttons::Ok, "ＹＥＳ");
    closePanel();
}

void TaskPasswords::dismissPanel() {
    closePanel();
}

// The confirmation's hint follows its text, also when opening the panel empties it.
void TaskPasswords::hintConfirmation() {
    f.hintLine.setCaption("两次输入，以防错误");
}

// The working area is usable again although the task settings panel stays
// open; Enter starts a task again, as it did before the panel opened.
void TaskPasswords::closePanel() {
    panel_layout::closePasswordPanel(f, f.passwordPanel,
                                     {&f.setTaskPassword, &f.taskPanel, &f.workArea});
    f.setDefaultButton(f.startTask);
}
