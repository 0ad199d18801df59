// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/activity_log.h"
#include "forms/main_form.h"
#include "tasks/task_panel.h"
#include "tasks/task_slots.h"

// A report on the selected slot in the log (任务信息), with the time left
// until its reminder.
class TaskInformation {
public:
    TaskInformation(MainForm& form, const TaskSlots& tasks, const TaskPanel& panel,
                    ActivityLog& log);

private:
    void reportTask();

    MainForm& form_;
    const TaskSlots& tasks_;
    const TaskPanel& panel_;
    ActivityLog& log_;
};
