// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/task_slots.h"

#include <algorithm>

bool TaskSlots::anyRunning() const {
    return std::any_of(slots_.begin(), slots_.end(), [](const TaskSlot& s) { return s.running; });
}

void TaskSlots::start(int n, const std::string& title, const std::string& content,
                      const due_time::DueTime& due) {
    TaskSlot& s = mutableSlot(n);
    s.title = title;
    s.content = content;
    s.remindTime = due.text;
    s.due = due.due;
    s.running = true;
}

void TaskSlots::end(int n) {
    mutableSlot(n).running = false;
    mutableSlot(n).password.clear();
}
