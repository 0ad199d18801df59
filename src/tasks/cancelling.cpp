// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/cancelling.h"

#include "forms/panel_layout.h"
#include "tasks/slot_texts.h"
#include "toolkit/program.h"

Cancelling::Cancelling(MainForm& form, const TaskSlots& tasks, SlotControls& controls,
                       TaskPanel& panel, ActivityLog& log)
    : form_(form), tasks_(tasks), controls_(controls), panel_(panel), log_(log) {
    bind();
}

void Cancelling::bind() {
    form_.cancelTask.onClick.bind([this] { cancelTask(); });
    form_.cancelTask.setHint([this] { return cancelRuleHint(); });
    form_.cancelTask.onMouseMove.bind(
        [this] { form_.hintLine.setCaption(form_.cancelTask.hint()); });
    form_.confirmCancel.onClick.bind([this] { confirmCancel(); });
    form_.dismissCancel.onClick.bind([this] { dismissCancel(); });
}

void Cancelling::cancelTask() {
    const std::optional<int> selected = panel_.currentSlot();
    if (!selected) return;
    if (!tasks_.slot(*selected).password.empty()) {
        openCancelPanel();
        return;
    }
    if (tasks_.isRunning(*selected) &&
        form_.program().messageBox("任务正在进行，你确定要取消吗？", tk::Buttons::OkCancel,
                                   "真的吗？") != tk::Answer::Ok) {
        return;
    }
    cancelSlot(*selected);
}

// The hint names the slot's protection, whether or not a task runs in it.
std::string Cancelling::cancelRuleHint() const {
    const std::optional<int> selected = panel_.currentSlot();
    if (selected && !tasks_.slot(*selected).password.empty())
        return slotTexts(*selected).protectedHint;
    return "取消当前任务";
}

// Whether a task runs or only a draft is open: the slot waits again, without
// a password, and the panel closes.
void Cancelling::cancelSlot(int slot) {
    log_.write(form_.program().clockText() + slotTexts(slot).cancelled);
    controls_.end(slot);
    form_.titleBox.setText(slotTexts(slot).defaultTitle);
    form_.contentBox.setText("");
    panel_.offerStart(true);
    form_.cancelTask.setEnabled(false);
    panel_.close();
}

void Cancelling::refuseCancel(int slot) {
    form_.program().messageBox("密码不正确，你没有权限取消他人的任务！", tk::Buttons::Ok,
                               slotTexts(slot).refusalTitle);
    log_.write(form_.program().clockText() + slotTexts(slot).refused);
}

void Cancelling::openCancelPanel() {
    panel_layout::openPasswordPanel(form_, form_.cancelPanel,
                                    {&form_.cancelTask, &form_.taskPanel, &form_.workArea});
    form_.cancelPassword.setText("");
    form_.setDefaultButton(form_.confirmCancel);
}

void Cancelling::confirmCancel() {
    const std::optional<int> selected = panel_.currentSlot();
    if (selected) {
        if (form_.cancelPassword.text() == tasks_.slot(*selected).password) {
            cancelSlot(*selected);
        } else {
            refuseCancel(*selected);
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
    form_.workArea.setEnabled(true);
}

void Cancelling::closeCancelPanel() {
    panel_layout::closePasswordPanel(form_, form_.cancelPanel,
                                     {&form_.cancelTask, &form_.taskPanel});
    form_.cancelPassword.setText("");
    form_.setDefaultButton(form_.startTask);
}
