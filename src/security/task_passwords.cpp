#include "security/task_passwords.h"

#include <array>

#include "forms/panel_layout.h"
#include "toolkit/program.h"

namespace {

struct WrongOldPassword {
    const char* text;
    const char* title;
};

// clang-format off
constexpr std::array<WrongOldPassword, 4> kWrongOldPassword{{
    {"原密码1不正确", "猪头！"},
    {"原密码2不正确", "想做什么？"},
    {"原密码3不正确", "少来啦你"},
    {"原密码4不正确", "靠～～～～～！"},
}};
// clang-format on

}  // namespace

TaskPasswords::TaskPasswords(MainForm& form, Tasks& tasks, ActivityLog& log)
    : f(form), tasks_(tasks), log_(log) {
    bind();
}

void TaskPasswords::bind() {
    f.Command8.onClick.bind([this] { Command8_Click(); });
    f.Command13.onClick.bind([this] { Command13_Click(); });
    f.Command14.onClick.bind([this] { Command14_Click(); });
    f.Text5.onChange.bind([this] { Text5_Change(); });
}

// Opens the panel for the selected slot; the old password is asked for only
// when the slot has one.
void TaskPasswords::Command8_Click() {
    if (!Tasks::isSlot(tasks_.currentSlot())) return;
    const bool hasPassword = !tasks_.slot(tasks_.currentSlot()).password.empty();
    f.Text6.setVisible(hasPassword);
    f.Label12.setVisible(hasPassword);
    panel_layout::openPasswordPanel(f, f.Frame4, {&f.Command8, &f.Frame2, &f.Frame3});
    f.Text4.setText("");
    f.Text5.setText("");
    f.Text6.setText("");
    f.setDefaultButton(f.Command13);
}

void TaskPasswords::Command13_Click() {
    const int k = tasks_.currentSlot();
    if (!Tasks::isSlot(k)) return;
    tk::Program& program = f.program();
    if (f.Text6.text() != tasks_.slot(k).password) {
        const WrongOldPassword& wrong = kWrongOldPassword[static_cast<std::size_t>(k - 1)];
        program.messageBox(wrong.text, tk::Buttons::Ok, wrong.title);
        return;
    }
    const std::string& newPassword = f.Text4.text();
    if (newPassword.empty()) {
        closePanel();
        return;
    }
    if (newPassword != f.Text5.text()) {
        program.messageBox("两次输入密码不一致,请重新输入", tk::Buttons::Ok, "笨蛋！");
        return;
    }
    tasks_.setPassword(k, newPassword);
    log_.write(program.clockText() + "->任务" + std::to_string(k) + "密码设置成功");
    program.messageBox("密码设置成功", tk::Buttons::Ok, "ＹＥＳ");
    closePanel();
}

void TaskPasswords::Command14_Click() {
    closePanel();
}

// The confirmation's hint follows its text, also when opening the panel empties it.
void TaskPasswords::Text5_Change() {
    f.Label16.setCaption("两次输入，以防错误");
}

// The working area is usable again although the task settings panel stays
// open; Enter starts a task again, as it did before the panel opened.
void TaskPasswords::closePanel() {
    panel_layout::closePasswordPanel(f, f.Frame4, {&f.Command8, &f.Frame2, &f.Frame3});
    f.setDefaultButton(f.Command5);
}
