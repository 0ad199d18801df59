// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>

#include "tasks/due_time.h"

// What one slot holds. Fields keep their last values after a task ends; only
// the password goes with it.
struct TaskSlot {
    std::string title;
    std::string content;
    std::string remindTime;   // "HH:MM:SS"
    due_time::Due due;        // when it is due
    std::string password;     // empty: the slot is not protected
    bool running = false;     // a task is started and not yet delivered or cancelled
    bool delivering = false;  // its reminder box is open: its ticks must not deliver again
};

// The four reminder slots, numbered 1..4, as plain state. A task starts and
// ends through SlotControls alone, which keeps each slot's button and poll
// timer in step with it.
class TaskSlots {
public:
    static constexpr int kCount = 4;

    const TaskSlot& slot(int n) const { return slots_.at(index(n)); }
    bool isRunning(int n) const { return slot(n).running; }
    bool anyRunning() const;

    void setPassword(int n, const std::string& password) { mutableSlot(n).password = password; }
    void setDelivering(int n, bool delivering) { mutableSlot(n).delivering = delivering; }
    // A clock-time task keeps up with the clock at each look (due_time::following).
    void follow(int n, const tk::ClockReading& now) {
        mutableSlot(n).due = due_time::following(slot(n).due, now);
    }

private:
    friend class SlotControls;
    // A task starts in slot n; the slot keeps its password.
    void start(int n, const std::string& title, const std::string& content,
               const due_time::DueTime& due);
    // The task of slot n is delivered or cancelled: the slot waits again,
    // without a password.
    void end(int n);

    static std::size_t index(int n) { return static_cast<std::size_t>(n - 1); }
    TaskSlot& mutableSlot(int n) { return slots_.at(index(n)); }

    std::array<TaskSlot, kCount> slots_;
};
