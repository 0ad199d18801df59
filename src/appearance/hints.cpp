// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appearance/hints.h"

#include <string>
#include <utility>

Hints::Hints(MainForm& form) : form_(form) {
    // clang-format off
    const std::pair<tk::Control*, const char*> fixedHints[] = {
        {&form_.startTask, "将以上参数都设置好后，可以单击此按钮开始任务钟约"},
        {&form_.taskInfo, "查看任务信息"},
        {&form_.setTaskPassword, "为此任务设置密码，以防别人或自己误将任务取消"},
        {&form_.hideWindow, "隐藏当前的窗口最小化"},
        {&form_.openSettings, "将在右边出现设置窗口"},
        {&form_.help, "如果你对本软件不太会使用，请查看帮助"},
        {&form_.continueTask, "继续当前的任务"},
        {&form_.atClockTime, "指定在什么时候进行对自己的提醒"},
        {&form_.afterDuration, "以当前时间为参照，经过设置时间段后提醒"},
        {&form_.titleBox, "可以在此输入提醒任务的标题"},
        {&form_.contentBox, "提醒内容必须写入"},
        {&form_.newPassword, "输入修改后的新密码"},
        {&form_.oldPassword, "上次已经设置了密码，需要输入原密码进行认证"},
        {&form_.cancelPassword, "输入密码"},
    };
    // clang-format on
    for (const auto& [control, hint] : fixedHints) {
        control->setHint([text = hint] { return std::string(text); });
        control->onMouseMove.bind(
            [&label = form_.hintLine, control] { label.setCaption(control->hint()); });
    }
}
