// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace qtview {
struct QtPlatform;
}

// The whole program on Qt, as main() runs it: the display check, the
// application, the windows' views, the start-up question and the event loop.
// `beforeStart` runs once everything is made and before the question is asked
// (benchmarks watch the program from there). Returns the exit status.
int launch(int argc, char** argv, const std::function<void(qtview::QtPlatform&)>& beforeStart = {});
