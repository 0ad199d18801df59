// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/timer.h"

#include "toolkit/form.h"
#include "toolkit/program.h"

namespace tk {

void Timer::setInterval(int ms) {
    if (ms < 0) ms = 0;
    if (ms == interval_) return;
    Program& program = form_.program();
    if (program.ended()) return;
    interval_ = ms;
    if (ms == 0) {
        program.timers().disarm(*this);
    } else {
        program.timers().arm(*this);
    }
}

void Timer::tick() {
    if (interval_ == 0 || form_.program().ended()) return;
    onTick();
}

void Timer::stop() {
    if (interval_ == 0) return;
    interval_ = 0;
    form_.program().timers().disarm(*this);
}

}  // namespace tk
