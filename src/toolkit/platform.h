// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "toolkit/clock_text.h"

namespace tk {

class Timer;

enum class Buttons { Ok, OkCancel };
enum class Answer { Ok = 1, Cancel = 2 };
// How an input box shows what is typed: as it is, or as "*" for a password.
enum class Echo { Plain, Secret };

class Clock {
public:
    virtual ~Clock() = default;
    // Local time of day, with the fraction of the second.
    virtual double secondsSinceMidnight() = 0;
    std::string text() { return clockTextAt(secondsSinceMidnight()); }
};

// Modal boxes. Closing a box without a button counts as Cancel; a cancelled
// input box gives the empty text.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer message(const std::string& text, Buttons buttons, const std::string& title) = 0;
    virtual std::string input(const std::string& prompt, const std::string& title,
                              const std::string& defaultText, Echo echo) = 0;
};

// Makes a timer tick every timer.interval() ms from now on, until disarmed.
class TimerService {
public:
    virtual ~TimerService() = default;
    virtual void arm(Timer& timer) = 0;
    virtual void disarm(Timer& timer) = 0;
};

class Lifetime {
public:
    virtual ~Lifetime() = default;
    // Called once, after the model has stopped every timer and hidden every window.
    virtual void endProcess() = 0;
};

struct Platform {
    Clock& clock;
    Dialogs& dialogs;
    TimerService& timers;
    Lifetime& lifetime;
};

}  // namespace tk
