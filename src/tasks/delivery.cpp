// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/look.h"
#include "tasks/tasks.h"
#include "toolkit/program.h"

void Tasks::pollTick(int n) {
    TaskSlot& s = slots_[index(n)];
    if (s.delivering || !due_time::isDue(f.program().clockText(), s.remindTime)) return;
    // Marked for as long as its box is open: a tick of its own that comes in
    // meanwhile may still fall into the two-second window.
    s.delivering = true;
    deliver(n);
    s.delivering = false;
}

void Tasks::deliver(int n) {
    tk::Program& program = f.program();
    program.messageBox(texts(n).reminder, tk::Buttons::Ok, "");
    f.show();
    f.setWindowState(tk::WindowState::Normal);
    controls(n).timer.setInterval(0);
    f.logBox.setBackColor(look::kBlack);
    f.blinkTimer.setInterval(330);
    const TaskSlot& s = slot(n);
    const std::string& nl = ActivityLog::newLine;
    log_.write(program.clockText() + "->亲爱的用户，你约定的时间到了：" + nl + "标题：" + s.title +
               nl + "提醒内容：" + s.content + nl + "任务完成" + nl);
    controls(n).button.setCaption(texts(n).waitingCaption);
    slots_[index(n)].password.clear();
}
