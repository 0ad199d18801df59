// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "launch/launch.h"

#include <fontconfig/fontconfig.h>
#include <QApplication>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "forms/identity.h"
#include "launch/program_on_qt.h"
#include "qt/display_check.h"

int launch(int argc, char** argv) {
    // Qt keeps pointers into its command line for as long as it runs.
    static std::vector<std::string> arguments;
    static std::vector<char*> pointers;
    qtview::PlatformChoice choice = qtview::choosePlatform(
        qtview::qtArguments(argc, argv), qEnvironmentVariable("QT_QPA_PLATFORM").toStdString(),
        qtview::sessionDisplays());
    if (!choice.message.empty()) std::fprintf(stderr, "zhongyue: %s\n", choice.message.c_str());
    if (!choice.displayAvailable) return 2;
    arguments = std::move(choice.qtArguments);
    // Without a session bus the bus library would start a bus daemon of its
    // own for the display (for assistive technology), which outlives the
    // program: with none to talk to, there is nobody to hear anyway.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    }
    // Fontconfig reads its configuration and caches while Qt connects to
    // the display; the question's text needs both at once after that.
    std::thread readFontConfiguration([] { FcInit(); });
    pointers.clear();
    for (std::string& argument : arguments) pointers.push_back(argument.data());
    int qtArgc = static_cast<int>(pointers.size());
    pointers.push_back(nullptr);
    QApplication application(qtArgc, pointers.data());
    QApplication::setApplicationName(identity::kExecutable);
    QApplication::setApplicationVersion(identity::kVersion);
    QApplication::setDesktopFileName(identity::kDesktopId);
    readFontConfiguration.join();
    qtview::prepareApplication();

    ProgramOnQt running;
    running.app.start();
    if (running.program.ended()) return 0;
    QApplication::exec();
    return 0;
}
