// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/splash.h"

#include "toolkit/program.h"

Splash::Splash(SplashForm& form, std::function<void()> showMainWindow)
    : f(form), showMainWindow_(std::move(showMainWindow)) {
    f.onLoad.bind([this] { askStartQuestion(); });
    f.handOverTimer.onTick.bind([this] { handOver(); });
}

void Splash::askStartQuestion() {
    tk::Program& program = f.program();
    if (program.messageBox("你今天是否要定计划？", tk::Buttons::OkCancel, "") ==
        tk::Answer::Cancel) {
        program.end();
        return;
    }
    f.handOverTimer.setInterval(3000);
}

void Splash::handOver() {
    f.handOverTimer.setInterval(0);
    f.hide();
    showMainWindow_();
}
