// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>

// One of the four reminder slots. Whether it runs is not stored here: the
// slot's poll timer is the state (running while its interval is 1000 ms).
struct TaskSlot {
    std::string title;
    std::string content;
    std::string remindTime;   // "HH:MM:SS"
    int remindSeconds = 0;    // the same time of day, 0..86399
    std::string password;     // empty: the slot is not protected
    bool delivering = false;  // its reminder box is open: its ticks must not deliver again
};

// The texts that differ from slot to slot.
struct SlotTexts {
    const char* defaultTitle;
    const char* waitingCaption;
    const char* runningCaption;
    const char* reminder;
    const char* cancelled;
    const char* refused;
    const char* refusalTitle;
    const char* protectedHint;
};

// clang-format off
inline constexpr std::array<SlotTexts, 4> kSlotTexts{{
    {"任务1", "任务1(等待)", "任务1(进行)", "任务1提醒", "->任务1取消", "->任务1取消失败", "我警告你！！", "任务1已加密"},
    {"任务2", "任务2(等待)", "任务2(进行)", "任务2提醒", "->任务2取消", "->任务2取消失败", "我鄙视你！！", "任务2已加密"},
    {"任务3", "任务3(等待)", "任务3(进行)", "任务3提醒", "->任务3取消", "->任务3取消失败", "我嫌弃你！！", "任务3已加密"},
    {"任务4", "任务4(等待)", "任务4(进行)", "任务4提醒", "->任务4取消", "->任务4取消失败", "我排斥你！！", "任务4已加密"},
}};
// clang-format on

constexpr int kRunningInterval = 1000;
