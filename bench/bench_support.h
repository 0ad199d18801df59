// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <functional>
#include <string>
#include <vector>

#include "app/app.h"
#include "launch/program_on_qt.h"
#include "qt/services/qt_services.h"
#include "qt/startup/application.h"
#include "toolkit/program.h"

// The real program offscreen, its main window shown, every box answered with
// 确定 as soon as it is on screen.
struct LiveApp : ProgramOnQt {
    LiveApp();
    // Starts a task in `slot` due at the clock time `due` ("HH:MM:SS").
    void startTask(int slot, const std::string& due);
    // Runs the event loop for `ms`, or until `done` holds.
    static void run(int ms, const std::function<bool()>& done = {});

    qtview::FormView& view = views.of(app.mainForm());
    std::function<void(const std::string& text)> onBoxShown;
};

struct Figures {
    double median;
    double p95;
    double max;
};
Figures figuresOf(std::vector<double> samples);

// CPU time this process has used so far, user and system, in milliseconds.
double cpuMilliseconds();

// Draws offscreen unless a platform was chosen; call before the QApplication is made.
void drawOffscreenUnlessChosen();
