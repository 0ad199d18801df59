// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "forms/main_form.h"
#include "tasks/task_slots.h"

// How the editor's due time is given: a time of day, or a duration counted
// from the start.
enum class ScheduleMode { ClockTime, Duration };

// The task settings panel. A slot button selects its slot and opens the panel
// on it: as an editor for a waiting slot, as a read-only view for a running
// one. The classes behind the panel's buttons act on the selected slot and
// close the panel; 继续任务 only closes it.
class TaskPanel {
public:
    TaskPanel(MainForm& form, const TaskSlots& tasks);

    // The slot last selected; none before the first selection.
    std::optional<int> currentSlot() const { return currentSlot_; }
    ScheduleMode scheduleMode() const { return scheduleMode_; }

    void offerStart(bool start);
    void close();

private:
    void bind();
    void selectSlot(int slot);
    void showRunningSlot(int slot);
    void showWaitingSlot(int slot);
    void chooseMode(ScheduleMode mode);
    void open();

    MainForm& form_;
    const TaskSlots& tasks_;
    std::optional<int> currentSlot_;
    ScheduleMode scheduleMode_ = ScheduleMode::ClockTime;  // as the option buttons first show
};
