// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/panel_layout.h"
#include "tasks/tasks.h"

void Tasks::selectSlot(int n) {
    if (isRunning(n)) {
        showRunningSlot(n);
    } else {
        showWaitingSlot(n);
    }
    currentSlot_ = n;
    for (auto& slot : controls_) slot.button.setEnabled(false);
    openPanel();
}

// A running task is shown read-only; the mode and time lists keep whatever
// they showed last.
void Tasks::showRunningSlot(int n) {
    f.titleBox.setText(slot(n).title);
    f.contentBox.setText(slot(n).content);
    const std::initializer_list<tk::Control*> entries{
        &f.titleBox,    &f.contentBox,  &f.atClockTime,   &f.afterDuration,   &f.clockHour,
        &f.clockMinute, &f.clockSecond, &f.durationHours, &f.durationMinutes, &f.durationSeconds};
    for (tk::Control* entry : entries) entry->setEnabled(false);
    offerStart(false);
    f.cancelTask.setEnabled(true);
}

// A waiting slot opens as a fresh editor in clock-time mode; the time lists
// keep their selections.
void Tasks::showWaitingSlot(int n) {
    f.titleBox.setText(texts(n).defaultTitle);
    f.contentBox.setText("");
    f.titleBox.setEnabled(true);
    f.contentBox.setEnabled(true);
    offerStart(true);
    f.cancelTask.setEnabled(true);
    scheduleMode_ = 1;
    f.atClockTime.setValue(true);
    f.atClockTime.setEnabled(true);
    f.afterDuration.setEnabled(true);
    enableClockTimeCombos(true);
}

// The panel shows exactly one of 开始任务 (a fresh task) and 继续任务 (back
// to a task that runs, or after a cancel attempt).
void Tasks::offerStart(bool start) {
    f.startTask.setVisible(start);
    f.continueTask.setVisible(!start);
}

// Clock-time mode uses the first row of lists, duration mode the second; the
// row not in use is disabled and greyed.
void Tasks::enableClockTimeCombos(bool clockTime) {
    for (tk::ComboBox* combo : {&f.durationHours, &f.durationMinutes, &f.durationSeconds}) {
        combo->setEnabled(!clockTime);
        combo->setBackColor(clockTime ? tk::sys::kActiveBorder : tk::sys::kWindow);
    }
    for (tk::ComboBox* combo : {&f.clockHour, &f.clockMinute, &f.clockSecond}) {
        combo->setEnabled(clockTime);
        combo->setBackColor(clockTime ? tk::sys::kWindow : tk::sys::kActiveBorder);
    }
}

void Tasks::openPanel() {
    f.taskPanel.setVisible(true);
    f.workArea.setEnabled(false);
    panel_layout::growSlotArea(f, panel_layout::kTaskPanel);
}

void Tasks::closePanel() {
    for (auto& slot : controls_) slot.button.setEnabled(true);
    f.taskPanel.setVisible(false);
    f.workArea.setEnabled(true);
    panel_layout::shrinkSlotArea(f, panel_layout::kTaskPanel);
}
