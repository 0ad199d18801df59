// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "forms/activity_log.h"
#include "forms/main_form.h"
#include "tasks/slot_controls.h"
#include "tasks/task_panel.h"
#include "tasks/task_slots.h"

// Cancelling the selected slot's task (取消任务).
// A slot with a password is cancelled only with the right password, given in
// its own panel below the task settings panel; a running slot without one
// after a question.
class Cancelling {
public:
    Cancelling(MainForm& form, const TaskSlots& tasks, SlotControls& controls, TaskPanel& panel,
               ActivityLog& log);

private:
    void bind();
    void cancelTask();
    std::string cancelRuleHint() const;
    void confirmCancel();
    void dismissCancel();
    void cancelSlot(int slot);
    void refuseCancel(int slot);
    void openCancelPanel();
    void closeCancelPanel();

    MainForm& form_;
    const TaskSlots& tasks_;
    SlotControls& controls_;
    TaskPanel& panel_;
    ActivityLog& log_;
};
