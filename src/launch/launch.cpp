// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "launch/launch.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "forms/identity.h"
#include "launch/program_on_qt.h"
#include "qt/startup/application.h"
#include "qt/startup/desktop.h"

int launch(int argc, char** argv) {
    // Qt keeps pointers into its command line for as long as it runs.
    static std::vector<std::string> arguments;
    static std::vector<char*> pointers;
    qtview::disableMissingSessionBus();
    qtview::PlatformChoice choice = qtview::choosePlatformForDesktop(argc, argv);
    if (!choice.message.empty()) std::fprintf(stderr, "zhongyue: %s\n", choice.message.c_str());
    if (!choice.displayAvailable) return 2;
    arguments = std::move(choice.qtArguments);
    std::jthread readingFonts = qtview::readFontConfiguration();
    pointers.clear();
    for (std::string& argument : arguments) pointers.push_back(argument.data());
    int qtArgc = static_cast<int>(pointers.size());
    pointers.push_back(nullptr);
    QApplication application(qtArgc, pointers.data());
    QApplication::setApplicationName(identity::kExecutable);
    QApplication::setApplicationVersion(identity::kVersion);
    QApplication::setDesktopFileName(identity::kDesktopId);
    if (readingFonts.joinable()) readingFonts.join();
    qtview::setUpApplication();

    ProgramOnQt running;
    // Started from inside the event loop: Qt ignores a quit() that comes
    // before the loop runs, and Windows' log off comes by quit(), also while
    // the start-up question is up.
    QTimer::singleShot(0, &application, [&running] { running.app.start(); });
    QApplication::exec();
    return 0;
}
