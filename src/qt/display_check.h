// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

namespace qtview {

// The command line Qt gets: the program's name and, if the person asked for
// one, "-platform NAME". The program takes no other argument, and none of
// Qt's own options (such as -reverse) change its windows.
std::vector<std::string> qtArguments(int argc, char** argv);

// Whether a window can be shown on the platform Qt will use (the one asked
// for by -platform, else QT_QPA_PLATFORM, else the X server), found out by
// connecting to it. When not, `why` says so in one line, with how to run
// the program without a screen.
bool displayAvailable(const std::vector<std::string>& qtArguments, std::string& why);

}  // namespace qtview
