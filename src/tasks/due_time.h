// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// The arithmetic of due times, on clock texts "HH:MM:SS" and on seconds since
// midnight. No controls, no clock of its own.
namespace due_time {

struct DueTime {
    std::string text;  // "HH:MM:SS"
    int seconds = 0;   // 0..86399
};

// Whether a time picked as three two-digit texts is complete: six digits in
// all (a list with nothing chosen gives no text).
bool isComplete(const std::string& h, const std::string& m, const std::string& s);

// Whether a complete duration is at least 30 s, read as the one number HHMMSS:
// any hour or minute is long enough, and otherwise the seconds must reach 30.
bool isLongEnough(const std::string& h, const std::string& m, const std::string& s);

// The due time for a clock time picked as three two-digit texts.
DueTime atClockTime(const std::string& h, const std::string& m, const std::string& s);

// The due time `hours:minutes:seconds` after the clock text `now`, past
// midnight into the next day.
DueTime afterDuration(const std::string& now, int hours, int minutes, int seconds);

// Whether a reminder due at `remindTime` is due when the clock reads
// `clockText`: the same hour and minute, and the clock at the due second or
// one second after it.
bool isDue(const std::string& clockText, const std::string& remindTime);

// Seconds from `now` (seconds since midnight, with fraction) to the next time
// the clock reaches `remindSeconds`, through midnight if need be.
double secondsUntil(double remindSeconds, double now);

// "H:M:S" of whole seconds, no leading zeros: 2 h 5 min 9 s gives "2:5:9".
std::string timeLeftText(double seconds);

}  // namespace due_time
