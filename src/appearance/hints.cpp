#include "appearance/hints.h"

#include <utility>

#include "toolkit/program.h"

Hints::Hints(MainForm& form) : f(form) {
    // clang-format off
    const std::pair<tk::Control*, const char*> fixedHints[] = {
        {&f.Command5, "将以上参数都设置好后，可以单击此按钮开始任务钟约"},
        {&f.Command7, "查看任务信息"},
        {&f.Command8, "为此任务设置密码，以防别人或自己误将任务取消"},
        {&f.Command9, "隐藏当前的窗口最小化"},
        {&f.Command10, "将在右边出现设置窗口"},
        {&f.Command11, "如果你对本软件不太会使用，请查看帮助"},
        {&f.Command18, "继续当前的任务"},
        {&f.Option1, "指定在什么时候进行对自己的提醒"},
        {&f.Option2, "以当前时间为参照，经过设置时间段后提醒"},
        {&f.Text2, "可以在此输入提醒任务的标题"},
        {&f.Text3, "提醒内容必须写入"},
        {&f.Text4, "输入修改后的新密码"},
        {&f.Text6, "上次已经设置了密码，需要输入原密码进行认证"},
        {&f.Text7, "输入密码"},
    };
    // clang-format on
    for (const auto& [control, hint] : fixedHints) {
        control->onMouseMove.bind([&label = f.Label16, text = hint] { label.setCaption(text); });
    }
    f.Command11.onClick.bind([this] { Command11_Click(); });
}

void Hints::Command11_Click() {
    f.program().messageBox("自己去体会", tk::Buttons::Ok, "");
}
