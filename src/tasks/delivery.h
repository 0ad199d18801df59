// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "forms/activity_log.h"
#include "forms/log_look.h"
#include "forms/main_form.h"
#include "tasks/slot_controls.h"
#include "tasks/task_slots.h"

// Each running slot's poll timer looks at the clock once a second; at the
// first tick at or past the due moment the reminder is shown, the window
// brought back, the log set blinking with a report on top, and the slot waits
// again.
class Delivery {
public:
    Delivery(MainForm& form, TaskSlots& tasks, SlotControls& controls, ActivityLog& log,
             LogLook& logLook);

private:
    void pollTick(int slot);
    void deliver(int slot, const std::string& lateLine);

    MainForm& form_;
    TaskSlots& tasks_;
    SlotControls& controls_;
    ActivityLog& log_;
    LogLook& logLook_;
};
