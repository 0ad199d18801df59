// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "toolkit/services.h"

// The arithmetic of due times. The two kinds of task keep different promises:
// a duration is real time, due at a point in time however the local clock
// moves meanwhile; a clock time is due the next time the local clock shows
// it, as on a bedside alarm clock. Either, once passed unseen (the machine
// asleep, the clock set forward), is due from then on and says how late. No
// controls, no clock of its own.
namespace due_time {

// A point in time: whole seconds since 1970-01-01 00:00:00 UTC, 64 bits.
using Instant = std::int64_t;
// A second on the local clock's own count (tk::LocalTime::second()).
using LocalSecond = std::int64_t;

enum class Kind { Duration, ClockTime };

// When a running task is due.
struct Due {
    Kind kind = Kind::Duration;
    // A duration: the point in time it is due at.
    Instant instant = 0;
    // A clock time: the second of the local clock it waits for, and the last
    // second of the clock it has looked at.
    LocalSecond showing = 0;
    LocalSecond lastSeen = 0;
};

struct DueTime {
    std::string text;  // "HH:MM:SS", the local time it is due at
    Due due;
};

// Whether a time picked as three two-digit texts is complete: six digits in
// all (a list with nothing chosen gives no text).
bool isComplete(const std::string& h, const std::string& m, const std::string& s);

// Whether a complete duration is at least 30 s, read as the one number HHMMSS:
// any hour or minute is long enough, and otherwise the seconds must reach 30.
bool isLongEnough(const std::string& h, const std::string& m, const std::string& s);

// A clock time picked as three two-digit texts, read at `now`: the next time
// the clock shows it, counting now's whole second; so never more than a day
// away.
DueTime atClockTime(const tk::ClockReading& now, const std::string& h, const std::string& m,
                    const std::string& s);

// `hours:minutes:seconds` of real time after now's whole second; its text is
// what the local clock of `clock` will show then.
DueTime afterDuration(tk::Clock& clock, const tk::ClockReading& now, int hours, int minutes,
                      int seconds);

// The clock time brought up to the reading `now`: where the clock went back
// (set back, or another zone), it waits for the next showing from there.
Due following(const Due& due, const tk::ClockReading& now);

// How late the task is at `now`, in whole seconds: a duration's in real time,
// a clock time's as the local clock shows it; none before it is due.
std::optional<std::int64_t> lateness(const Due& due, const tk::ClockReading& now);

// Real seconds from `now` to the due time, none once it has come.
double secondsUntil(const Due& due, tk::Clock& clock, const tk::ClockReading& now);

// "H:M:S" of whole seconds, no leading zeros: 2 h 5 min 9 s gives "2:5:9".
std::string timeLeftText(double seconds);

// What a reminder found `lateBy` seconds after its due time says of it:
// "原定时间：HH:MM:SS，晚了25分钟". Nothing when it comes within the second after:
// that is on time.
std::string lateLine(const std::string& remindTime, std::int64_t lateBy);

}  // namespace due_time
