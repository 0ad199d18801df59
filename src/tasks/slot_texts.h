// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>

// The texts that differ from slot to slot, written once, one row per slot.
struct SlotTexts {
    const char* defaultTitle;
    const char* waitingCaption;
    const char* runningCaption;
    const char* reminder;
    const char* cancelled;
    const char* refused;
    const char* refusalTitle;
    const char* protectedHint;
    const char* wrongOldPassword;
    const char* wrongOldPasswordTitle;
};

// clang-format off
inline constexpr std::array<SlotTexts, 4> kSlotTexts{{
    {"任务1", "任务1(等待)", "任务1(进行)", "任务1提醒", "->任务1取消", "->任务1取消失败", "我警告你！！", "任务1已加密", "原密码1不正确", "猪头！"},
    {"任务2", "任务2(等待)", "任务2(进行)", "任务2提醒", "->任务2取消", "->任务2取消失败", "我鄙视你！！", "任务2已加密", "原密码2不正确", "想做什么？"},
    {"任务3", "任务3(等待)", "任务3(进行)", "任务3提醒", "->任务3取消", "->任务3取消失败", "我嫌弃你！！", "任务3已加密", "原密码3不正确", "少来啦你"},
    {"任务4", "任务4(等待)", "任务4(进行)", "任务4提醒", "->任务4取消", "->任务4取消失败", "我排斥你！！", "任务4已加密", "原密码4不正确", "靠～～～～～！"},
}};
// clang-format on

// The texts of slot 1..4.
inline const SlotTexts& slotTexts(int slot) {
    return kSlotTexts.at(static_cast<std::size_t>(slot - 1));
}
