// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/panel_layout.h"
#include "tasks/tasks.h"
#include "toolkit/program.h"

void Tasks::cancelTask() {
    const int k = currentSlot_;
    if (!isSlot(k)) return;
    if (!slot(k).password.empty()) {
        openCancelPanel();
        return;
    }
    if (isRunning(k) &&
        f.program().messageBox("任务正在进行，你确定要取消吗？", tk::Buttons::OkCancel,
                               "真的吗？") != tk::Answer::Ok) {
        return;
    }
    cancel(k);
}

// The hint names the slot's protection, whether or not a task runs in it.
void Tasks::hintCancelRule() {
    f.hintLine.setCaption("取消当前任务");
    const int k = currentSlot_;
    if (isSlot(k) && !slot(k).password.empty()) f.hintLine.setCaption(texts(k).protectedHint);
}

void Tasks::cancel(int k) {
    log_.write(f.program().clockText() + texts(k).cancelled);
    controls(k).button.setCaption(texts(k).waitingCaption);
    controls(k).timer.setInterval(0);
    f.titleBox.setText(texts(k).defaultTitle);
    f.contentBox.setText("");
    offerStart(true);
    f.cancelTask.setEnabled(false);
    closePanel();
}

void Tasks::openCancelPanel() {
    panel_layout::openPasswordPanel(f, f.cancelPanel, {&f.cancelTask, &f.taskPanel, &f.workArea});
    f.cancelPassword.setText("");
    f.setDefaultButton(f.confirmCancel);
}

void Tasks::confirmCancel() {
    const int k = currentSlot_;
    if (isSlot(k)) {
        if (f.cancelPassword.text() == slot(k).password) {
            cancel(k);
            slots_[index(k)].password.clear();
        } else {
            f.program().messageBox("密码不正确，你没有权限取消他人的任务！", tk::Buttons::Ok,
                                   texts(k).refusalTitle);
            log_.write(f.program().clockText() + texts(k).refused);
        }
    }
    // Back to the task settings panel, which shows 继续任务 whatever the
    // slot's state; the working area stays disabled.
    closeCancelPanel();
    offerStart(false);
}

// Unlike a refusal, 取消 makes the working area usable again.
void Tasks::dismissCancel() {
    closeCancelPanel();
    f.workArea.setEnabled(true);
}

void Tasks::closeCancelPanel() {
    panel_layout::closePasswordPanel(f, f.cancelPanel, {&f.cancelTask, &f.taskPanel});
    f.cancelPassword.setText("");
    f.setDefaultButton(f.startTask);
}

void Tasks::continueTask() {
    closePanel();
}
