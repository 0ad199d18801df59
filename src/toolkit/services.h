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

// What the local clock shows: its calendar day and its time of day. Its own
// count of seconds, day × 86400 + seconds of the day, is no point in time:
// it jumps wherever the clock's offset from real time changes (summer time,
// another zone, the clock set), so it serves only to compare one reading of
// the clock with another.
struct LocalTime {
    std::int64_t day = 0;     // days since 1970-01-01
    double secondsOfDay = 0;  // 0 <= s < 86400, with the fraction of the second
    std::int64_t second() const {
        return day * kSecondsPerDay + static_cast<std::int64_t>(std::floor(secondsOfDay));
    }
    double exactSecond() const { return static_cast<double>(day) * kSecondsPerDay + secondsOfDay; }
};

// The local clock's reading from its own count of ms since 1970-01-01
// 00:00:00 as it shows it; before 1970 the day is negative and the time of
// day still runs forward from its midnight.
LocalTime localTimeAt(std::int64_t localMs);

// One reading of the clock: the real time and what the local clock shows then.
struct ClockReading {
    std::int64_t realMs = 0;  // since 1970-01-01 00:00:00 UTC
    LocalTime local;
    // The real time's whole second: a point in time, the same in every zone.
    std::int64_t realSecond() const { return realMs >= 0 ? realMs / 1000 : (realMs - 999) / 1000; }
};

class Clock {
public:
    virtual ~Clock() = default;
    // The real time and the local date and time of day, read together.
    virtual ClockReading now() = 0;
    // What the local clock, in the zone it has now, shows at a point in time
    // given in whole seconds since 1970-01-01 00:00:00 UTC.
    virtual LocalTime localAt(std::int64_t realSecond) = 0;
    std::string text() { return clockTextAt(now().local.secondsOfDay); }
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
