// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/task_panel.h"

#include "forms/panel_layout.h"
#include "tasks/slot_controls.h"
#include "tasks/slot_texts.h"

TaskPanel::TaskPanel(MainForm& form, const TaskSlots& tasks) : form_(form), tasks_(tasks) {
    bind();
}

void TaskPanel::bind() {
    for (int slot = 1; slot <= TaskSlots::kCount; ++slot) {
        slotButton(form_, slot).onClick.bind([this, slot] { selectSlot(slot); });
    }
    form_.atClockTime.onClick.bind([this] { chooseMode(ScheduleMode::ClockTime); });
    form_.afterDuration.onClick.bind([this] { chooseMode(ScheduleMode::Duration); });
    form_.continueTask.onClick.bind([this] { close(); });
}

void TaskPanel::selectSlot(int slot) {
    if (tasks_.isRunning(slot)) {
        showRunningSlot(slot);
    } else {
        showWaitingSlot(slot);
    }
    currentSlot_ = slot;
    for (int each = 1; each <= TaskSlots::kCount; ++each) slotButton(form_, each).setEnabled(false);
    open();
}

// A running task is shown read-only; the mode and time lists keep whatever
// they showed last.
void TaskPanel::showRunningSlot(int slot) {
    form_.titleBox.setText(tasks_.slot(slot).title);
    form_.contentBox.setText(tasks_.slot(slot).content);
    const std::initializer_list<tk::Control*> entries{
        &form_.titleBox,        &form_.contentBox,     &form_.atClockTime, &form_.afterDuration,
        &form_.clockHour,       &form_.clockMinute,    &form_.clockSecond, &form_.durationHours,
        &form_.durationMinutes, &form_.durationSeconds};
    for (tk::Control* entry : entries) entry->setEnabled(false);
    offerStart(false);
    form_.cancelTask.setEnabled(true);
}

// A waiting slot opens as a fresh editor in clock-time mode; the time lists
// keep their selections.
void TaskPanel::showWaitingSlot(int slot) {
    form_.titleBox.setText(slotTexts(slot).defaultTitle);
    form_.contentBox.setText("");
    form_.titleBox.setEnabled(true);
    form_.contentBox.setEnabled(true);
    offerStart(true);
    form_.cancelTask.setEnabled(true);
    form_.atClockTime.setValue(true);
    form_.atClockTime.setEnabled(true);
    form_.afterDuration.setEnabled(true);
    chooseMode(ScheduleMode::ClockTime);
}

// Clock-time mode uses the first row of lists, duration mode the second; the
// row not in use is disabled and greyed.
void TaskPanel::chooseMode(ScheduleMode mode) {
    scheduleMode_ = mode;
    const bool clockTime = mode == ScheduleMode::ClockTime;
    for (tk::ComboBox* combo :
         {&form_.durationHours, &form_.durationMinutes, &form_.durationSeconds}) {
        combo->setEnabled(!clockTime);
        combo->setBackColor(clockTime ? tk::sys::kActiveBorder : tk::sys::kWindow);
    }
    for (tk::ComboBox* combo : {&form_.clockHour, &form_.clockMinute, &form_.clockSecond}) {
        combo->setEnabled(clockTime);
        combo->setBackColor(clockTime ? tk::sys::kWindow : tk::sys::kActiveBorder);
    }
}

// The panel shows exactly one of 开始任务 (a fresh task) and 继续任务 (back
// to a task that runs, or after a cancel attempt).
void TaskPanel::offerStart(bool start) {
    form_.startTask.setVisible(start);
    form_.continueTask.setVisible(!start);
}

void TaskPanel::open() {
    form_.taskPanel.setVisible(true);
    form_.workArea.setEnabled(false);
    panel_layout::growSlotArea(form_, panel_layout::kTaskPanel);
}

void TaskPanel::close() {
    for (int slot = 1; slot <= TaskSlots::kCount; ++slot) slotButton(form_, slot).setEnabled(true);
    form_.taskPanel.setVisible(false);
    form_.workArea.setEnabled(true);
    panel_layout::shrinkSlotArea(form_, panel_layout::kTaskPanel);
}
