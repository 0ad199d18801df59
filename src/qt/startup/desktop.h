// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <thread>

#include "qt/startup/platform_choice.h"

namespace qtview {

// The desktop the program starts on, met before Qt starts.

// Which platform plugin Qt starts on and what the person is told about it.
// On Linux the X server comes first (see choosePlatform); on Windows there is
// one desktop, and only -platform (or QT_QPA_PLATFORM) chooses another.
PlatformChoice choosePlatformForDesktop(int argc, char** argv);

// Where the desktop has no session bus (Linux), tells the bus library that
// there is none: it would otherwise start a bus daemon of its own for the
// display, for assistive technology, which outlives the program; with no bus
// there is nobody to hear anyway.
void disableMissingSessionBus();

// Reads the desktop's font configuration while Qt connects to the display,
// where that takes long enough to matter (fontconfig); join it before the
// first text is laid out. Not joinable where there is nothing to read.
std::jthread readFontConfiguration();

}  // namespace qtview
