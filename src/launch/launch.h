// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The whole program on Qt, as main() runs it: the display check, the
// application, the windows' views, the start-up question and the event loop.
// Returns the exit status.
int launch(int argc, char** argv);
