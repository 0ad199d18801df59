// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/task_information.h"

#include "toolkit/program.h"

TaskInformation::TaskInformation(MainForm& form, const TaskSlots& tasks, const TaskPanel& panel,
                                 ActivityLog& log)
    : form_(form), tasks_(tasks), panel_(panel), log_(log) {
    form_.taskInfo.onClick.bind([this] { reportTask(); });
}

void TaskInformation::reportTask() {
    const std::optional<int> selected = panel_.currentSlot();
    if (!selected) return;
    const std::string& nl = ActivityLog::newLine;
    if (!tasks_.isRunning(*selected)) {
        log_.write("当前任务：（无）" + nl + "正等待您的设置");
        return;
    }
    const TaskSlot& s = tasks_.slot(*selected);
    tk::Clock& clock = form_.program().clock();
    const double left = due_time::secondsUntil(s.due, clock, clock.now());
    log_.write("当前任务：" + s.title + "(正在进行中……) " + nl + "提醒内容：" + s.content + nl +
               "任务剩余时间：" + due_time::timeLeftText(left));
}
