// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/splash.h"

#include "toolkit/program.h"

Splash::Splash(SplashForm& form, std::function<void()> showMainWindow)
    : form_(form), showMainWindow_(std::move(showMainWindow)) {
    form_.onLoad.bind([this] { askStartQuestion(); });
    form_.handOverTimer.onTick.bind([this] { handOver(); });
}

void Splash::askStartQuestion() {
    tk::Program& program = form_.program();
    if (program.messageBox("你今天是否要定计划？", tk::Buttons::OkCancel, "") ==
        tk::Answer::Cancel) {
        program.end();
        return;
    }
    form_.handOverTimer.setInterval(3000);
}

void Splash::handOver() {
    form_.handOverTimer.setInterval(0);
    form_.hide();
    showMainWindow_();
}
