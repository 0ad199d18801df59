// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <cstdint>
#include <string>

#include "toolkit/clock_text.h"

namespace tk {

class Timer;

enum class Buttons { Ok, OkCancel };
enum class Answer { Ok = 1, Cancel = 2 };
// How an input box shows what is typed: as it is, or as "*" for a password.
enum class Echo { Plain, Secret };
// A reminder's box also rings the desktop's event sound and asks for the
// person's attention; every other box comes silently.
enum class Alert { None, Reminder };

// One reading of the local clock: its calendar day and its time of day.
struct LocalTime {
    std::int64_t day = 0;     // days since 1970-01-01
    double secondsOfDay = 0;  // 0 <= s < 86400, with the fraction of the second
    // The reading's whole second counted on the local clock from 1970-01-01
    // 00:00:00, as the clock shows it: what it will show at a moment later by
    // n seconds is this + n, which keeps a due time's text and its moment one.
    std::int64_t wholeSecond() const {
        return day * kSecondsPerDay + static_cast<std::int64_t>(std::floor(secondsOfDay));
    }
    double exactSecond() const { return static_cast<double>(day) * kSecondsPerDay + secondsOfDay; }
};

class Clock {
public:
    virtual ~Clock() = default;
    // The date and the time of day, read together.
    virtual LocalTime now() = 0;
    double secondsSinceMidnight() { return now().secondsOfDay; }
    std::string text() { return clockTextAt(secondsSinceMidnight()); }
};

// Modal boxes. Closing a message box without a button (its close button,
// Escape) answers Cancel, or OK when OK is its only button; an input box
// closed or cancelled gives the empty text. A message's `spoken` is said by
// assistive technology after its text and never shown.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer message(const std::string& text, Buttons buttons, const std::string& title,
                           Alert alert, const std::string& spoken) = 0;
    virtual std::string input(const std::string& prompt, const std::string& title,
                              const std::string& defaultText, Echo echo) = 0;
    // Runs before a box opens: a word that a person is still composing with
    // an input method goes into the box where it was typed, while that box
    // still takes it.
    virtual void finishComposing() {}
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

struct Services {
    Clock& clock;
    Dialogs& dialogs;
    TimerService& timers;
    Lifetime& lifetime;
};

}  // namespace tk
