// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/leaving.h"

#include "security/exit_password.h"
#include "tasks/task_slots.h"
#include "toolkit/program.h"

Leaving::Leaving(MainForm& form, const TaskSlots& tasks, const ExitPassword& lock)
    : form_(form), tasks_(tasks), lock_(lock) {
    form_.onUnload.bind([this] { closedByWindowSystem(); });
    form_.hideWindow.onClick.bind([this] { hideWindow(); });
    form_.quit.onClick.bind([this] { quit(); });
    form_.quit.setHint([this] { return quitHint(); });
    form_.quit.onMouseMove.bind([this] { form_.hintLine.setCaption(form_.quit.hint()); });
}

void Leaving::closedByWindowSystem() {
    tk::Program& program = form_.program();
    program.messageBox("用这种卑鄙的手段退出。。哼，我鄙视你！", tk::Buttons::Ok, "鄙视+ing");
    program.end();
}

// Everything keeps running; a reminder brings the window back.
void Leaving::hideWindow() {
    form_.setWindowState(tk::WindowState::Minimized);
}

void Leaving::quit() {
    const std::string& exitPassword = lock_.exitPassword();
    if (exitPassword.empty()) {
        askAndEnd();
    } else {
        askPasswordAndEnd(exitPassword);
    }
}

void Leaving::askAndEnd() {
    tk::Program& program = form_.program();
    const bool running = tasks_.anyRunning();
    if (program.messageBox(running ? "有任务正在进行，是否退出？" : "你真的要退出吗？",
                           tk::Buttons::OkCancel,
                           running ? "？？？" : "真的吗？") != tk::Answer::Ok) {
        return;
    }
    program.messageBox("退出后不会再提醒你了，请记住你要做的事情", tk::Buttons::Ok, "记住哦");
    program.end();
}

// The right password ends at once; a wrong one is told, an empty one or
// Cancel is not.
void Leaving::askPasswordAndEnd(const std::string& exitPassword) {
    tk::Program& program = form_.program();
    const std::string answer = program.inputBox(
        "为了使用户不会误退出，你已经将退出加密，请输入密码才能退出", "", "", tk::Echo::Secret);
    if (answer == exitPassword) {
        program.end();
    } else if (!answer.empty()) {
        program.messageBox("密码错误", tk::Buttons::Ok, "退出失败");
    }
}

// Decided anew each time it is asked for, so it follows the settings panel at once.
std::string Leaving::quitHint() const {
    return lock_.exitPassword().empty() ? "全部退出" : "全部退出（已加密）";
}
