#include "appearance/hints.h"

#include <utility>

Hints::Hints(MainForm& f) {
    const std::pair<tk::Control*, const char*> fixedHints[] = {
        {&f.Command7, "查看任务信息"},
        {&f.Command9, "隐藏当前的窗口最小化"},
        {&f.Command10, "将在右边出现设置窗口"},
        {&f.Text4, "输入修改后的新密码"},
        {&f.Text6, "上次已经设置了密码，需要输入原密码进行认证"},
        {&f.Command18, "继续当前的任务"},
        {&f.Text7, "输入密码"},
    };
    for (const auto& [control, hint] : fixedHints) {
        control->onMouseMove.bind([&label = f.Label16, text = hint] { label.setCaption(text); });
    }
}
