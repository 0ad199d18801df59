// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/activity_log.h"
#include "forms/main_form.h"
#include "tasks/due_time.h"
#include "tasks/slot_controls.h"
#include "tasks/task_panel.h"
#include "tasks/task_slots.h"

// Starting a task (开始任务): checks the editor's entries, works out the due
// time, confirms it in a box, and starts the task in the selected slot.
class Scheduling {
public:
    Scheduling(MainForm& form, SlotControls& controls, TaskPanel& panel, ActivityLog& log);

private:
    void startTask();
    bool checkEntries();
    due_time::DueTime dueTimeFromEntries();

    MainForm& form_;
    SlotControls& controls_;
    TaskPanel& panel_;
    ActivityLog& log_;
};
