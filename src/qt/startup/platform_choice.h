// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>
#include <vector>

namespace qtview {

// The command line Qt gets: the program's name and, if the person asked for
// one, "-platform NAME". The program takes no other argument, and none of
// Qt's own options (such as -reverse) change its windows.
std::vector<std::string> qtArguments(int argc, char** argv);

// Whether a display answers, found out by connecting to it; when not, `why`
// says where nobody answered.
using DisplayProbe = std::function<bool(std::string& why)>;
struct DisplayProbes {
    DisplayProbe xServer;
    DisplayProbe wayland;
};

// How Qt is started, and what the person is told about it.
struct PlatformChoice {
    bool displayAvailable = false;
    std::vector<std::string> qtArguments;  // with "-platform NAME" when the program chose
    std::string message;                   // one line for stderr, or none
};

// A platform asked for by -platform in `qtArguments`, else by `qpaPlatform`
// (the value of QT_QPA_PLATFORM), is kept, if it answers. Without one, the
// X server is taken whenever one answers, Xwayland on a Wayland desktop
// included: a Wayland client cannot place its own windows, and this program
// places each of its windows and boxes. Wayland only when no X server
// answers, and the message then says so.
PlatformChoice choosePlatform(std::vector<std::string> qtArguments, const std::string& qpaPlatform,
                              const DisplayProbes& probes);

}  // namespace qtview
