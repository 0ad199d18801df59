// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the program is called, for people and for the desktop.
namespace identity {

inline constexpr const char* kName = "钟约系统";  // also what a box with an empty title shows
inline constexpr const char* kVersion = "1.0";
inline constexpr const char* kExecutable = "zhongyue";
inline constexpr const char* kDesktopId = "cn.zhongyue.ZhongYue";  // desktop entry and metainfo

}  // namespace identity
