// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fontconfig/fontconfig.h>
#include <QByteArray>
#include <QString>

#include "qt/display_check.h"
#include "qt/session.h"

namespace qtview {

PlatformChoice sessionPlatform(int argc, char** argv) {
    // Without a session bus the bus library would start a bus daemon of its
    // own for the display (for assistive technology), which outlives the
    // program: with none to talk to, there is nobody to hear anyway.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    }
    return choosePlatform(qtArguments(argc, argv),
                          qEnvironmentVariable("QT_QPA_PLATFORM").toStdString(), sessionDisplays());
}

std::jthread readFontConfiguration() {
    return std::jthread([] { FcInit(); });
}

}  // namespace qtview
