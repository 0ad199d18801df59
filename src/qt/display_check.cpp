// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <sstream>

namespace qtview {

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string requestedPlatform(const std::vector<std::string>& arguments) {
    for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == "-platform") return arguments[i + 1];
    }
    const std::string chosen = variable("QT_QPA_PLATFORM");
    return chosen.empty() ? "xcb" : chosen;
}

// The X server named by DISPLAY answers and accepts us.
bool xServerAnswers(std::string& why) {
    const std::string display = variable("DISPLAY");
    if (display.empty()) {
        why = "DISPLAY is not set";
        return false;
    }
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const int error = xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    if (error != 0) why = "no X server answers at DISPLAY=" + display;
    return error == 0;
}

// A Wayland compositor listens on the socket WAYLAND_DISPLAY names.
bool compositorAnswers(std::string& why) {
    std::string name = variable("WAYLAND_DISPLAY");
    if (name.empty()) name = "wayland-0";
    const std::string path = name.front() == '/' ? name : variable("XDG_RUNTIME_DIR") + "/" + name;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    bool answers = path.size() < sizeof address.sun_path;
    if (answers) {
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        answers =
            fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        if (fd >= 0) close(fd);
    }
    if (!answers) why = "no Wayland compositor answers at WAYLAND_DISPLAY=" + name;
    return answers;
}

// One platform name, without its options ("xcb:nograb" is xcb).
bool platformAnswers(const std::string& platform, std::string& why) {
    const std::string name = platform.substr(0, platform.find(':'));
    if (name == "xcb") return xServerAnswers(why);
    if (name == "wayland" || name.rfind("wayland-", 0) == 0) return compositorAnswers(why);
    return true;  // offscreen, minimal, vnc, ...: nothing to reach
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

bool displayAvailable(const std::vector<std::string>& qtArguments, std::string& why) {
    // Qt takes the first platform of a list that it can start.
    std::istringstream platforms(requestedPlatform(qtArguments));
    std::string reasons;
    for (std::string platform; std::getline(platforms, platform, ';');) {
        std::string reason;
        if (platformAnswers(platform, reason)) return true;
        reasons += (reasons.empty() ? "" : ", ") + reason;
    }
    why = "no display: " + reasons +
          "; to run without a screen, e.g. for tests, set QT_QPA_PLATFORM=offscreen";
    return false;
}

}  // namespace qtview
