// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/activity_log.h"
#include "forms/main_form.h"
#include "tasks/task_panel.h"
#include "tasks/task_slots.h"

// The password panel of the selected slot (设置密码): set a slot's password
// the first time, or change it after giving the old one. The passwords
// themselves are the slots' own; this panel only checks and stores them.
class TaskPasswords {
public:
    TaskPasswords(MainForm& form, TaskSlots& tasks, const TaskPanel& panel, ActivityLog& log);

private:
    void bind();
    void openPanel();
    void confirmPassword();
    void dismissPanel();
    void hintConfirmation();
    void closePanel();

    MainForm& form_;
    TaskSlots& tasks_;
    const TaskPanel& panel_;
    ActivityLog& log_;
};
