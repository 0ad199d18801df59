// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fontconfig/fontconfig.h>
#include <QByteArray>
#include <QString>

#include "qt/startup/desktop.h"
#include "qt/startup/display_check.h"

namespace qtview {

void disableMissingSessionBus() {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    }
}

PlatformChoice choosePlatformForDesktop(int argc, char** argv) {
    return choosePlatform(qtArguments(argc, argv),
                          qEnvironmentVariable("QT_QPA_PLATFORM").toStdString(), sessionDisplays());
}

std::jthread readFontConfiguration() {
    return std::jthread([] { FcInit(); });
}

}  // namespace qtview
