// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/startup/display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <QDir>
#include <QLibraryInfo>

#include <cstdlib>
#include <cstring>

namespace qtview {

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Where Qt looks for platform plugins: QT_PLUGIN_PATH, then its own folder.
bool qtHasWaylandPlugin(std::string& why) {
    QStringList folders = qEnvironmentVariable("QT_PLUGIN_PATH").split(':', Qt::SkipEmptyParts);
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath);
    for (const QString& folder : folders) {
        if (!QDir(folder + "/platforms").entryList({"*qwayland*"}, QDir::Files).isEmpty())
            return true;
    }
    why = "Qt's Wayland plugin is not installed (qt6-wayland)";
    return false;
}

}  // namespace

bool xServerAnswers(const std::string& display, std::string& why) {
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

bool compositorAnswers(const std::string& name, const std::string& runtimeDirectory,
                       std::string& why) {
    const std::string shown = name.empty() ? "wayland-0" : name;
    const std::string path = shown.front() == '/' ? shown : runtimeDirectory + "/" + shown;
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
    if (!answers) why = "no Wayland compositor answers at WAYLAND_DISPLAY=" + shown;
    return answers;
}

DisplayProbes sessionDisplays() {
    return {[](std::string& why) { return xServerAnswers(variable("DISPLAY"), why); },
            [](std::string& why) {
                return compositorAnswers(variable("WAYLAND_DISPLAY"), variable("XDG_RUNTIME_DIR"),
                                         why) &&
                       qtHasWaylandPlugin(why);
            }};
}

}  // namespace qtview
