// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

namespace tk {

// One event of a control, window or timer (Click, MouseMove, Change, Tick,
// Load, Unload), with at most one handler. Binding a second handler would
// silently drop the first, so it throws at once, while the program is being
// put together.
class Event {
public:
    Event(const std::string& owner, const char* what) : owner_(owner), what_(what) {}
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void bind(std::function<void()> handler);
    bool bound() const { return static_cast<bool>(handler_); }
    // Runs the handler, if there is one.
    void operator()() const {
        if (handler_) handler_();
    }

private:
    const std::string& owner_;  // the name of the control, window or timer
    const char* what_;
    std::function<void()> handler_;
};

}  // namespace tk
