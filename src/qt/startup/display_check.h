// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "qt/startup/platform_choice.h"

namespace qtview {

// An X server at `display` (a value of DISPLAY) answers and accepts us: a
// socket file with nobody behind it does not count.
bool xServerAnswers(const std::string& display, std::string& why);

// A Wayland compositor listens at `name` (a value of WAYLAND_DISPLAY, in
// `runtimeDirectory` unless it is a path).
bool compositorAnswers(const std::string& name, const std::string& runtimeDirectory,
                       std::string& why);

// The displays of this session, as its environment names them; Wayland
// counts only where Qt has its plugin for it.
DisplayProbes sessionDisplays();

}  // namespace qtview
