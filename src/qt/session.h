// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <thread>

#include "qt/platform_choice.h"

namespace qtview {

// The desktop the program starts on, met before Qt starts: which platform
// Qt takes and what the person is told about it. On Linux the X server
// comes first (see choosePlatform); on Windows there is one desktop, and
// only -platform (or QT_QPA_PLATFORM) chooses another platform.
PlatformChoice sessionPlatform(int argc, char** argv);

// Reads the desktop's font configuration while Qt connects to the display,
// where that takes long enough to matter (fontconfig); join it before the
// first text is laid out. Not joinable where there is nothing to read.
std::jthread readFontConfiguration();

}  // namespace qtview
