#include "qt/display_check.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace qtview {

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// ":1" or ":1.0" is a local server with a socket; "host:1" is reached over the network.
bool localServerMissing(const std::string& display) {
    if (display.empty() || display.front() != ':') return false;
    const std::string number = display.substr(1, display.find('.') - 1);
    return !std::filesystem::exists("/tmp/.X11-unix/X" + number);
}

}  // namespace

bool displayAvailable(std::string& why) {
    if (!variable("QT_QPA_PLATFORM").empty() || !variable("WAYLAND_DISPLAY").empty()) return true;
    const std::string display = variable("DISPLAY");
    const std::string_view hint =
        "; to run without a screen, e.g. for tests, set QT_QPA_PLATFORM=offscreen";
    if (display.empty()) {
        why = "no display: DISPLAY and WAYLAND_DISPLAY are not set" + std::string(hint);
        return false;
    }
    if (localServerMissing(display)) {
        why = "no display: no X server answers at DISPLAY=" + display + std::string(hint);
        return false;
    }
    return true;
}

}  // namespace qtview
