// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/startup/desktop.h"

namespace qtview {

void disableMissingSessionBus() {}

PlatformChoice choosePlatformForDesktop(int argc, char** argv) {
    return {.displayAvailable = true, .qtArguments = qtArguments(argc, argv), .message = {}};
}

std::jthread readFontConfiguration() {
    return {};
}

}  // namespace qtview
