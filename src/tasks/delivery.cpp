// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/delivery.h"

#include "tasks/slot_texts.h"
#include "toolkit/program.h"

Delivery::Delivery(MainForm& form, TaskSlots& tasks, SlotControls& controls, ActivityLog& log,
                   LogLook& logLook)
    : f(form), tasks_(tasks), controls_(controls), log_(log), logLook_(logLook) {
    for (int n = 1; n <= TaskSlots::kCount; ++n) {
        pollTimer(f, n).onTick.bind([this, n] { pollTick(n); });
    }
}

void Delivery::pollTick(int n) {
    const TaskSlot& s = tasks_.slot(n);
    if (s.delivering || !due_time::isDue(f.program().clockText(), s.remindTime)) return;
    // Marked for as long as its box is open: a tick of its own that comes in
    // meanwhile may still fall into the two-second window.
    tasks_.setDelivering(n, true);
    deliver(n);
    tasks_.setDelivering(n, false);
}

void Delivery::deliver(int n) {
    tk::Program& program = f.program();
    program.messageBox(slotTexts(n).reminder, tk::Buttons::Ok, "", tk::Alert::Reminder);
    f.show();
    f.setWindowState(tk::WindowState::Normal);
    logLook_.raiseAlarm();
    const TaskSlot& s = tasks_.slot(n);
    const std::string& nl = ActivityLog::newLine;
    log_.write(program.clockText() + "->亲爱的用户，你约定的时间到了：" + nl + "标题：" + s.title +
               nl + "提醒内容：" + s.content + nl + "任务完成" + nl);
    controls_.end(n);
}
