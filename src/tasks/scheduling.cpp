// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/scheduling.h"

#include "toolkit/program.h"

Scheduling::Scheduling(MainForm& form, SlotControls& controls, TaskPanel& panel, ActivityLog& log)
    : f(form), controls_(controls), panel_(panel), log_(log) {
    f.startTask.onClick.bind([this] { startTask(); });
}

void Scheduling::startTask() {
    const std::optional<int> selected = panel_.currentSlot();
    if (!selected || !checkEntries()) return;
    const int n = *selected;
    const due_time::DueTime due = dueTimeFromEntries();

    tk::Program& program = f.program();
    program.messageBox(
        "任务" + std::to_string(n) + "将在以下时间进行提醒：" + ActivityLog::newLine + due.text,
        tk::Buttons::Ok, "任务ＯＫ");
    const std::string title = f.titleBox.text();
    const std::string content = f.contentBox.text();
    panel_.offerStart(false);
    f.cancelTask.setEnabled(true);
    panel_.close();

    controls_.start(n, title, content, due);
    log_.write(program.clockText() + "->任务" + std::to_string(n) + "开始");
}

// The first failing check shows its message and the start goes no further.
bool Scheduling::checkEntries() {
    tk::Program& program = f.program();
    if (f.contentBox.text().empty()) {
        program.messageBox("请写入本任务的“提醒内容”", tk::Buttons::Ok, "");
        return false;
    }
    if (panel_.scheduleMode() == ScheduleMode::ClockTime) {
        if (!due_time::isComplete(f.clockHour.text(), f.clockMinute.text(), f.clockSecond.text())) {
            program.messageBox("请将提醒的时间设置完整", tk::Buttons::Ok, "怎么搞的啊？");
            return false;
        }
        return true;
    }
    const std::string h = f.durationHours.text();
    const std::string m = f.durationMinutes.text();
    const std::string s = f.durationSeconds.text();
    if (!due_time::isComplete(h, m, s)) {
        program.messageBox("请将提醒的时间设置完整", tk::Buttons::Ok, "啊哦！");
        return false;
    }
    if (!due_time::isLongEnough(h, m, s)) {
        program.messageBox("提醒时间最少应不小于30钞", tk::Buttons::Ok, "记住３０钞");
        return false;
    }
    return true;
}

due_time::DueTime Scheduling::dueTimeFromEntries() {
    if (panel_.scheduleMode() == ScheduleMode::ClockTime) {
        return due_time::atClockTime(f.clockHour.text(), f.clockMinute.text(),
                                     f.clockSecond.text());
    }
    return due_time::afterDuration(f.program().clockText(), std::stoi(f.durationHours.text()),
                                   std::stoi(f.durationMinutes.text()),
                                   std::stoi(f.durationSeconds.text()));
}
