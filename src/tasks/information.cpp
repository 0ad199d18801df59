// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/tasks.h"
#include "toolkit/program.h"

void Tasks::reportTask() {
    const int k = currentSlot_;
    if (!isSlot(k)) return;
    const std::string& nl = ActivityLog::newLine;
    if (!isRunning(k)) {
        log_.write("当前任务：（无）" + nl + "正等待您的设置");
        return;
    }
    const TaskSlot& s = slot(k);
    tk::Clock& clock = f.program().clock();
    const double now = clock.secondsSinceMidnight();
    // In its due window the reminder is due now, not a day from now.
    const double left = due_time::isDue(tk::clockTextAt(now), s.remindTime)
                            ? 0
                            : due_time::secondsUntil(s.remindSeconds, now);
    log_.write("当前任务：" + s.title + "(正在进行中……) " + nl + "提醒内容：" + s.content + nl +
               "任务剩余时间：" + due_time::timeLeftText(left));
}
