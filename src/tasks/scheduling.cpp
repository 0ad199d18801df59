// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/scheduling.h"

#include "toolkit/program.h"

Scheduling::Scheduling(MainForm& form, SlotControls& controls, TaskPanel& panel, ActivityLog& log)
    : form_(form), controls_(controls), panel_(panel), log_(log) {
    form_.startTask.onClick.bind([this] { startTask(); });
}

void Scheduling::startTask() {
    const std::optional<int> selected = panel_.currentSlot();
    if (!selected || !checkEntries()) return;
    const int slot = *selected;
    const due_time::DueTime due = dueTimeFromEntries();

    tk::Program& program = form_.program();
    program.messageBox(
        "任务" + std::to_string(slot) + "将在以下时间进行提醒：" + ActivityLog::newLine + due.text,
        tk::Buttons::Ok, "任务ＯＫ");
    const std::string title = form_.titleBox.text();
    const std::string content = form_.contentBox.text();
    panel_.offerStart(false);
    form_.cancelTask.setEnabled(true);
    panel_.close();

    controls_.start(slot, title, content, due);
    log_.write(program.clockText() + "->任务" + std::to_string(slot) + "开始");
}

// The first failing check shows its message and the start goes no further.
bool Scheduling::checkEntries() {
    tk::Program& program = form_.program();
    if (form_.contentBox.text().empty()) {
        program.messageBox("请写入本任务的“提醒内容”", tk::Buttons::Ok, "");
        return false;
    }
    if (panel_.scheduleMode() == ScheduleMode::ClockTime) {
        if (!due_time::isComplete(form_.clockHour.text(), form_.clockMinute.text(),
                                  form_.clockSecond.text())) {
            program.messageBox("请将提醒的时间设置完整", tk::Buttons::Ok, "怎么搞的啊？");
            return false;
        }
        return true;
    }
    const std::string h = form_.durationHours.text();
    const std::string m = form_.durationMinutes.text();
    const std::string s = form_.durationSeconds.text();
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

// One reading of the clock fixes the due time before the confirmation box:
// time spent reading the box is added neither to a duration nor, past a clock
// time, as a day.
due_time::DueTime Scheduling::dueTimeFromEntries() {
    tk::Clock& clock = form_.program().clock();
    const tk::ClockReading now = clock.now();
    if (panel_.scheduleMode() == ScheduleMode::ClockTime) {
        return due_time::atClockTime(now, form_.clockHour.text(), form_.clockMinute.text(),
                                     form_.clockSecond.text());
    }
    return due_time::afterDuration(clock, now, std::stoi(form_.durationHours.text()),
                                   std::stoi(form_.durationMinutes.text()),
                                   std::stoi(form_.durationSeconds.text()));
}
