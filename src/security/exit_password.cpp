#include "security/exit_password.h"

#include "forms/panel_layout.h"
#include "toolkit/program.h"

ExitPassword::ExitPassword(MainForm& form) : f(form) {
    bind();
}

void ExitPassword::bind() {
    f.Command10.onClick.bind([this] { Command10_Click(); });
    f.Command20.onClick.bind([this] { Command20_Click(); });
    f.Check5.onClick.bind([this] { Check5_Click(); });
    f.Command15.onClick.bind([this] { Command15_Click(); });
}

// A wrong, empty or cancelled answer leaves the panel closed without a word.
void ExitPassword::Command10_Click() {
    if (!exitPassword_.empty() &&
        f.program().inputBox("需要密码", "", "", tk::Echo::Secret) != exitPassword_) {
        return;
    }
    f.Frame1.setEnabled(false);
    f.Frame3.setEnabled(false);
    f.Frame6.setEnabled(true);
    f.Frame7.setEnabled(true);
    panel_layout::widenForSettings(f, panel_layout::kSettingsPanel);
}

void ExitPassword::Command20_Click() {
    closeSettingsPanel();
}

void ExitPassword::closeSettingsPanel() {
    f.Frame1.setEnabled(true);
    f.Frame3.setEnabled(true);
    f.Frame6.setEnabled(false);
    f.Frame7.setEnabled(false);
    panel_layout::narrowFromSettings(f, panel_layout::kSettingsPanel);
}

void ExitPassword::Check5_Click() {
    if (exitLockOn_ == 0) {
        // The password stored last protects again at once.
        exitPassword_ = savedExitPassword_;
        showPasswordFields(true);
        exitLockOn_ = 1;
    } else {
        showPasswordFields(false);
        exitPassword_.clear();
        exitLockOn_ = 0;
    }
}

// The old-password row is shown only when there is an old password to give.
void ExitPassword::showPasswordFields(bool shown) {
    f.Label19.setVisible(shown && !exitPassword_.empty());
    f.Text8.setVisible(shown && !exitPassword_.empty());
    tk::Control* const fields[] = {&f.Text9, &f.Text10, &f.Command15, &f.Label17, &f.Label18};
    for (tk::Control* field : fields) field->setVisible(shown);
}

void ExitPassword::Command15_Click() {
    tk::Program& program = f.program();
    if (!exitPassword_.empty() && f.Text8.text() != exitPassword_) {
        program.messageBox("原密码不正确，请重新输入", tk::Buttons::Ok, "不对！");
        return;
    }
    if (f.Text9.text() != f.Text10.text()) {
        program.messageBox("两次输入密码不一致，请重新输入", tk::Buttons::Ok, "不对！");
        return;
    }
    // The grayed state set from code is a click: the protection switches off
    // completely before the new password takes over.
    f.Check5.setValue(2);
    exitPassword_ = f.Text10.text();
    savedExitPassword_ = exitPassword_;
    f.Text8.setText("");
    f.Text9.setText("");
    f.Text10.setText("");
    exitLockOn_ = 1;
    program.messageBox("设置成功！", tk::Buttons::Ok, "");
}
