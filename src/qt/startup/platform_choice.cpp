// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/startup/platform_choice.h"

#include <cstring>
#include <sstream>

namespace qtview {

namespace {

std::string askedFor(const std::vector<std::string>& qtArguments, const std::string& qpaPlatform) {
    for (std::size_t i = 1; i + 1 < qtArguments.size(); ++i) {
        if (qtArguments[i] == "-platform") return qtArguments[i + 1];
    }
    return qpaPlatform;
}

// One platform name, without its options ("xcb:nograb" is xcb).
bool platformAnswers(const std::string& platform, const DisplayProbes& probes, std::string& why) {
    const std::string name = platform.substr(0, platform.find(':'));
    if (name == "xcb") return probes.xServer(why);
    if (name == "wayland" || name.rfind("wayland-", 0) == 0) return probes.wayland(why);
    return true;  // offscreen, minimal, vnc, ...: nothing to reach
}

std::string noDisplay(const std::string& reasons) {
    return "no display: " + reasons +
           "; to run without a screen, e.g. for tests, set QT_QPA_PLATFORM=offscreen";
}

}  // namespace

std::vector<std::string> qtArguments(int argc, char** argv) {
    std::vector<std::string> kept{argc > 0 ? argv[0] : "zhongyue"};
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0) {
            kept.insert(kept.end(), {"-platform", argv[i + 1]});
            break;
        }
    }
    return kept;
}

PlatformChoice choosePlatform(std::vector<std::string> qtArguments, const std::string& qpaPlatform,
                              const DisplayProbes& probes) {
    PlatformChoice choice;
    choice.qtArguments = std::move(qtArguments);
    const std::string asked = askedFor(choice.qtArguments, qpaPlatform);
    if (!asked.empty()) {
        // Qt takes the first platform of a list that it can start.
        std::istringstream platforms(asked);
        std::string reasons;
        for (std::string platform; std::getline(platforms, platform, ';');) {
            std::string why;
            choice.displayAvailable = platformAnswers(platform, probes, why);
            if (choice.displayAvailable) return choice;
            reasons += (reasons.empty() ? "" : ", ") + why;
        }
        choice.message = noDisplay(reasons);
        return choice;
    }
    // Named even when it is the X server: on a Wayland desktop Qt would take Wayland.
    std::string whyNoX;
    std::string whyNoWayland;
    if (probes.xServer(whyNoX)) {
        choice.qtArguments.insert(choice.qtArguments.end(), {"-platform", "xcb"});
        choice.displayAvailable = true;
    } else if (probes.wayland(whyNoWayland)) {
        choice.qtArguments.insert(choice.qtArguments.end(), {"-platform", "wayland"});
        choice.displayAvailable = true;
        choice.message = whyNoX + "; running on Wayland, where the compositor places the windows";
    } else {
        choice.message = noDisplay(whyNoX + ", " + whyNoWayland);
    }
    return choice;
}

}  // namespace qtview
