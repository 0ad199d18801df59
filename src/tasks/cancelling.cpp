// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/cancelling.h"

#include "forms/panel_layout.h"
#include "tasks/slot_texts.h"
#include "toolkit/program.h"

Cancelling::Cancelling(MainForm& form, const TaskSlots& tasks, SlotControls& controls,
                       TaskPanel& panel, ActivityLog& log)
    : f(form), tasks_(tasks), controls_(controls), panel_(panel), log_(log) {
    bind();
}

void Cancelling::bind() {
    f.cancelTask.onClick.bind([this] { cancelTask(); });
    f.cancelTask.onMouseMove.bind([this] { hintCancelRule(); });
    f.confirmCancel.onClick.bind([this] { confirmCancel(); });
    f.dismissCancel.onClick.bind([this] { dismissCancel(); });
}

void Cancelling::cancelTask() {
    const std::optional<int> k = panel_.currentSlot();
    if (!k) return;
    if (!tasks_.slot(*k).password.empty()) {
        openCancelPanel();
        return;
    }
    if (tasks_.isRunning(*k) &&
        f.program().messageBox("任务正在进行，你确定要取消吗？", tk::Buttons::OkCancel,
                               "真的吗？") != tk::Answer::Ok) {
        return;
    }
    cancelSlot(*k);
}

// The hint names the slot's protection, whether or not a task runs in it.
void Cancelling::hintCancelRule() {
    f.hintLine.setCaption("取消当前任务");
    const std::optional<int> k = panel_.currentSlot();
    if (k && !tasks_.slot(*k).password.empty()) f.hintLine.setCaption(slotTexts(*k).protectedHint);
}

// Whether a task runs or only a draft is open: the slot waits again, without
// a password, and the panel closes.
void Cancelling::cancelSlot(int k) {
    log_.write(f.program().clockText() + slotTexts(k).cancelled);
    controls_.end(k);
    f.titleBox.setText(slotTexts(k).defaultTitle);
    f.contentBox.setText("");
    panel_.offerStart(true);
    f.cancelTask.setEnabled(false);
    panel_.close();
}

void Cancelling::refuseCancel(int k) {
    f.program().messageBox("密码不正确，你没有权限取消他人的任务！", tk::Buttons::Ok,
                           slotTexts(k).refusalTitle);
    log_.write(f.program().clockText() + slotTexts(k).refused);
}

void Cancelling::openCancelPanel() {
    panel_layout::openPasswordPanel(f, f.cancelPanel, {&f.cancelTask, &f.taskPanel, &f.workArea});
    f.cancelPassword.setText("");
    f.setDefaultButton(f.confirmCancel);
}

void Cancelling::confirmCancel() {
    const std::optional<int> k = panel_.currentSlot();
    if (k) {
        if (f.cancelPassword.text() == tasks_.slot(*k).password) {
            cancelSlot(*k);
        } else {
            refuseCancel(*k);
        }
    }
    // After a refusal the task settings panel shows 继续任务 whatever the
    // slot's state, and the working area stays disabled; after a cancel the
    // panel is closed already and the working area usable.
    closeCancelPanel();
    panel_.offerStart(false);
}

// Unlike a refusal, 取消 makes the working area usable again.
void Cancelling::dismissCancel() {
    closeCancelPanel();
    f.workArea.setEnabled(true);
}

void Cancelling::closeCancelPanel() {
    panel_layout::closePasswordPanel(f, f.cancelPanel, {&f.cancelTask, &f.taskPanel});
    f.cancelPassword.setText("");
    f.setDefaultButton(f.startTask);
}
