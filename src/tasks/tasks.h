// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>

#include "forms/activity_log.h"
#include "forms/main_form.h"
#include "tasks/due_time.h"
#include "tasks/task_slot.h"

// The four reminder slots: selecting one, starting a task, watching it until
// it is due and delivering it, reporting on it, cancelling and continuing it.
// Slots are numbered 1..4; the behaviour is the same for each, with the
// controls and texts of its own row.
class Tasks {
public:
    Tasks(MainForm& form, ActivityLog& log);

    static bool isSlot(int n) { return n >= 1 && n <= 4; }
    bool isRunning(int slot) const;
    bool anyRunning() const;
    int currentSlot() const { return currentSlot_; }
    int scheduleMode() const { return scheduleMode_; }
    void setScheduleMode(int mode) { scheduleMode_ = mode; }
    const TaskSlot& slot(int n) const { return slots_[index(n)]; }
    void setPassword(int n, const std::string& password) { slots_[index(n)].password = password; }

private:
    struct SlotControls {
        tk::CommandButton& button;
        tk::Timer& timer;
    };
    static std::size_t index(int n) { return static_cast<std::size_t>(n - 1); }
    static const SlotTexts& texts(int n) { return kSlotTexts[index(n)]; }
    SlotControls& controls(int n) { return controls_[index(n)]; }
    void bind();

    // Selecting a slot, and the task settings panel.
    void selectSlot(int n);
    void showRunningSlot(int n);
    void showWaitingSlot(int n);
    void offerStart(bool start);
    void enableClockTimeCombos(bool clockTime);
    void openPanel();
    void closePanel();

    // Starting a task.
    void chooseClockTime();
    void chooseDuration();
    void startTask();
    bool checkEntries();
    due_time::DueTime dueTimeFromEntries();

    // Watching and delivering.
    void pollTick(int n);
    void deliver(int n);

    // Reporting.
    void reportTask();

    // Cancelling and continuing.
    void cancelTask();
    void hintCancelRule();
    void confirmCancel();
    void dismissCancel();
    void continueTask();
    void cancel(int k);
    void openCancelPanel();
    void closeCancelPanel();

    MainForm& f;
    ActivityLog& log_;
    std::array<TaskSlot, 4> slots_;
    std::array<SlotControls, 4> controls_;
    int currentSlot_ = 0;
    int scheduleMode_ = 0;
};
