// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/title_clock.h"

#include <string>

#include "forms/identity.h"
#include "toolkit/program.h"

namespace {
constexpr int kTickInterval = 1000;
}

TitleClock::TitleClock(MainForm& form) : form_(form) {
    form_.titleClock.onTick.bind([this] { tick(); });
}

void TitleClock::start() {
    stopRequested_ = false;
    form_.titleClock.setInterval(kTickInterval);
}

void TitleClock::requestStop() {
    stopRequested_ = true;
}

// The request stands until start() withdraws it: the stopped timer ticks no more.
void TitleClock::tick() {
    form_.heading.setCaption(identity::kName + form_.program().clockText());
    if (stopRequested_) {
        form_.titleClock.setInterval(0);
        form_.heading.setCaption(identity::kName);
    }
}
