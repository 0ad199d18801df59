#include "forms/panel_layout.h"
#include "tasks/tasks.h"
#include "toolkit/program.h"

void Tasks::Command6_Click() {
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
void Tasks::Command6_MouseMove() {
    f.Label16.setCaption("取消当前任务");
    const int k = currentSlot_;
    if (isSlot(k) && !slot(k).password.empty()) f.Label16.setCaption(texts(k).protectedHint);
}

void Tasks::cancel(int k) {
    log_.write(f.program().clockText() + texts(k).cancelled);
    controls(k).button.setCaption(texts(k).waitingCaption);
    controls(k).timer.setInterval(0);
    f.Text2.setText(texts(k).defaultTitle);
    f.Text3.setText("");
    offerStart(true);
    f.Command6.setEnabled(false);
    closePanel();
}

void Tasks::openCancelPanel() {
    panel_layout::openPasswordPanel(f, f.Frame5, {&f.Command6, &f.Frame2, &f.Frame3});
    f.Text7.setText("");
    f.setDefaultButton(f.Command16);
}

void Tasks::Command16_Click() {
    const int k = currentSlot_;
    if (isSlot(k)) {
        if (f.Text7.text() == slot(k).password) {
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
void Tasks::Command17_Click() {
    closeCancelPanel();
    f.Frame3.setEnabled(true);
}

void Tasks::closeCancelPanel() {
    panel_layout::closePasswordPanel(f, f.Frame5, {&f.Command6, &f.Frame2});
    f.Text7.setText("");
    f.setDefaultButton(f.Command5);
}

void Tasks::Command18_Click() {
    closePanel();
}
