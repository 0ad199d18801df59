// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "toolkit/services.h"

// The arithmetic of due times. A due time is a moment of the local clock
// (tk::LocalTime::wholeSecond()), so that one passed unseen, the machine
// asleep or the clock set forward, is still known to be due. No controls, no
// clock of its own.
namespace due_time {

using Moment = std::int64_t;

struct DueTime {
    std::string text;   // "HH:MM:SS"
    Moment moment = 0;  // the moment the clock shows it
};

// Whether a time picked as three two-digit texts is complete: six digits in
// all (a list with nothing chosen gives no text).
bool isComplete(const std::string& h, const std::string& m, const std::string& s);

// Whether a complete duration is at least 30 s, read as the one number HHMMSS:
// any hour or minute is long enough, and otherwise the seconds must reach 30.
bool isLongEnough(const std::string& h, const std::string& m, const std::string& s);

// A clock time picked as three two-digit texts, read at `now`: today, unless
// it lies before now's whole second, then tomorrow.
DueTime atClockTime(const tk::LocalTime& now, const std::string& h, const std::string& m,
                    const std::string& s);

// `hours:minutes:seconds` after now's whole second.
DueTime afterDuration(const tk::LocalTime& now, int hours, int minutes, int seconds);

// Seconds from `now` to the due moment, none once it has come.
double secondsUntil(Moment due, const tk::LocalTime& now);

// "H:M:S" of whole seconds, no leading zeros: 2 h 5 min 9 s gives "2:5:9".
std::string timeLeftText(double seconds);

// What a reminder found `lateBy` seconds after its due moment says of it:
// "原定时间：HH:MM:SS，晚了25分钟". Nothing when it comes within the second after:
// that is on time.
std::string lateLine(const std::string& remindTime, std::int64_t lateBy);

}  // namespace due_time
