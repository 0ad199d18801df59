// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/delivery.h"

#include "tasks/due_time.h"
#include "tasks/slot_texts.h"
#include "toolkit/program.h"

Delivery::Delivery(MainForm& form, TaskSlots& tasks, SlotControls& controls, ActivityLog& log,
                   LogLook& logLook)
    : form_(form), tasks_(tasks), controls_(controls), log_(log), logLook_(logLook) {
    for (int slot = 1; slot <= TaskSlots::kCount; ++slot) {
        pollTimer(form_, slot).onTick.bind([this, slot] { pollTick(slot); });
    }
}

// Due once the clock has reached the due time, however it got past it: a
// tick on time, the first after a sleep, a clock set forward, a busy machine.
void Delivery::pollTick(int slot) {
    const TaskSlot& s = tasks_.slot(slot);
    if (s.delivering) return;
    const tk::ClockReading now = form_.program().clock().now();
    tasks_.follow(slot, now);
    const std::optional<std::int64_t> late = due_time::lateness(s.due, now);
    if (!late) return;
    // Marked for as long as its box is open: a tick of its own that comes in
    // meanwhile finds it due still.
    tasks_.setDelivering(slot, true);
    deliver(slot, due_time::lateLine(s.remindTime, *late));
    tasks_.setDelivering(slot, false);
}

// The box shows only which slot is due; a screen reader hears the task with
// it. After the box the report stands on top of the log, which takes the
// focus, so that a screen reader reads it next. A late reminder says so in
// both, right after the greeting.
void Delivery::deliver(int slot, const std::string& lateLine) {
    tk::Program& program = form_.program();
    const TaskSlot& s = tasks_.slot(slot);
    const std::string& nl = ActivityLog::newLine;
    const std::string late = lateLine.empty() ? "" : lateLine + nl;
    const std::string task = "标题：" + s.title + nl + "提醒内容：" + s.content;
    program.messageBox(slotTexts(slot).reminder, tk::Buttons::Ok, "", tk::Alert::Reminder,
                       late + task);
    form_.show();
    form_.setWindowState(tk::WindowState::Normal);
    logLook_.raiseAlarm();
    log_.write(program.clockText() + "->亲爱的用户，你约定的时间到了：" + nl + late + task + nl +
               "任务完成" + nl);
    controls_.end(slot);
    form_.logBox.setFocus();
}
