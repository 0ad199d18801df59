// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "toolkit/event.h"

namespace tk {

class Form;

// A window timer: ticks every interval() ms while the interval is not 0.
// Ticks keep arriving while a modal box is open, so a handler may be entered
// again from inside a box.
class Timer {
public:
    Timer(Form& form, std::string name) : form_(form), name_(std::move(name)) {}
    // The timer service forgets a timer that goes away.
    ~Timer() { stop(); }
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    int interval() const { return interval_; }
    // A new value restarts the count from now; 0 stops the timer.
    void setInterval(int ms);

    Event onTick{name_, "Timer"};
    // Called by the timer service.
    void tick();
    // Called when the program ends: stops without any handler.
    void stop();

private:
    Form& form_;
    std::string name_;
    int interval_ = 0;
};

}  // namespace tk
