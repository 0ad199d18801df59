// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/task_panel.h"

#include "forms/panel_layout.h"
#include "tasks/slot_controls.h"
#include "tasks/slot_texts.h"

TaskPanel::TaskPanel(MainForm& form, const TaskSlots& tasks) : f(form), tasks_(tasks) {
    bind();
}

void TaskPanel::bind() {
    for (int n = 1; n <= TaskSlots::kCount; ++n) {
        slotButton(f, n).onClick.bind([this, n] { selectSlot(n); });
    }
    f.atClockTime.onClick.bind([this] { chooseMode(ScheduleMode::ClockTime); });
    f.afterDuration.onClick.bind([this] { chooseMode(ScheduleMode::Duration); });
    f.continueTask.onClick.bind([this] { close(); });
}

void TaskPanel::selectSlot(int n) {
    if (tasks_.isRunning(n)) {
        showRunningSlot(n);
    } else {
        showWaitingSlot(n);
    }
    currentSlot_ = n;
    for (int k = 1; k <= TaskSlots::kCount; ++k) slotButton(f, k).setEnabled(false);
    open();
}

// A running task is shown read-only; the mode and time lists keep whatever
// they showed last.
void TaskPanel::showRunningSlot(int n) {
    f.titleBox.setText(tasks_.slot(n).title);
    f.contentBox.setText(tasks_.slot(n).content);
    const std::initializer_list<tk::Control*> entries{
        &f.titleBox,    &f.contentBox,  &f.atClockTime,   &f.afterDuration,   &f.clockHour,
        &f.clockMinute, &f.clockSecond, &f.durationHours, &f.durationMinutes, &f.durationSeconds};
    for (tk::Control* entry : entries) entry->setEnabled(false);
    offerStart(false);
    f.cancelTask.setEnabled(true);
}

// A waiting slot opens as a fresh editor in clock-time mode; the time lists
// keep their selections.
void TaskPanel::showWaitingSlot(int n) {
    f.titleBox.setText(slotTexts(n).defaultTitle);
    f.contentBox.setText("");
    f.titleBox.setEnabled(true);
    f.contentBox.setEnabled(true);
    offerStart(true);
    f.cancelTask.setEnabled(true);
    f.atClockTime.setValue(true);
    f.atClockTime.setEnabled(true);
    f.afterDuration.setEnabled(true);
    chooseMode(ScheduleMode::ClockTime);
}

// Clock-time mode uses the first row of lists, duration mode the second; the
// row not in use is disabled and greyed.
void TaskPanel::chooseMode(ScheduleMode mode) {
    scheduleMode_ = mode;
    const bool clockTime = mode == ScheduleMode::ClockTime;
    for (tk::ComboBox* combo : {&f.durationHours, &f.durationMinutes, &f.durationSeconds}) {
        combo->setEnabled(!clockTime);
        combo->setBackColor(clockTime ? tk::sys::kActiveBorder : tk::sys::kWindow);
    }
    for (tk::ComboBox* combo : {&f.clockHour, &f.clockMinute, &f.clockSecond}) {
        combo->setEnabled(clockTime);
        combo->setBackColor(clockTime ? tk::sys::kWindow : tk::sys::kActiveBorder);
    }
}

// The panel shows exactly one of 开始任务 (a fresh task) and 继续任务 (back
// to a task that runs, or after a cancel attempt).
void TaskPanel::offerStart(bool start) {
    f.startTask.setVisible(start);
    f.continueTask.setVisible(!start);
}

void TaskPanel::open() {
    f.taskPanel.setVisible(true);
    f.workArea.setEnabled(false);
    panel_layout::growSlotArea(f, panel_layout::kTaskPanel);
}

void TaskPanel::close() {
    for (int n = 1; n <= TaskSlots::kCount; ++n) slotButton(f, n).setEnabled(true);
    f.taskPanel.setVisible(false);
    f.workArea.setEnabled(true);
    panel_layout::shrinkSlotArea(f, panel_layout::kTaskPanel);
}
