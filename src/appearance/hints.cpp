#include "appearance/hints.h"

#include <utility>

Hints::Hints(MainForm& f) {
    const std::pair<tk::Control*, const char*> fixedHints[] = {
        {&f.Command7, "查看任务信息"},
        {&f.Command18, "继续当前的任务"},
        {&f.Text7, "输入密码"},
    };
    for (const auto& [control, hint] : fixedHints) {
        control->onMouseMove.bind([&label = f.Label16, text = hint] { label.setCaption(text); });
    }
}
