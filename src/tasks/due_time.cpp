// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/due_time.h"

#include <algorithm>
#include <cmath>

#include "toolkit/clock_text.h"
#include "toolkit/text.h"

namespace due_time {

namespace {

constexpr std::int64_t kDay = tk::kSecondsPerDay;

struct Unit {
    std::int64_t seconds;
    const char* name;
};
constexpr Unit kLateUnits[] = {{86400, "天"}, {3600, "小时"}, {60, "分钟"}, {1, "秒"}};

// The first second after `after` at which the local clock shows `timeOfDay`.
LocalSecond nextShowing(std::int64_t timeOfDay, LocalSecond after) {
    const LocalSecond from = after + 1;
    const LocalSecond midnight = from - ((from % kDay) + kDay) % kDay;
    return midnight + timeOfDay >= from ? midnight + timeOfDay : midnight + kDay + timeOfDay;
}

}  // namespace

bool isComplete(const std::string& h, const std::string& m, const std::string& s) {
    return tk::characterCount(h + m + s) == 6;
}

bool isLongEnough(const std::string& h, const std::string& m, const std::string& s) {
    return std::stoi(h + m + s) >= 30;
}

DueTime atClockTime(const tk::ClockReading& now, const std::string& h, const std::string& m,
                    const std::string& s) {
    const std::int64_t timeOfDay = std::stoi(h) * 3600 + std::stoi(m) * 60 + std::stoi(s);
    // Seen up to just before now, so that a time equal to now's second is due at once.
    const LocalSecond lastSeen = now.local.second() - 1;
    return {h + ":" + m + ":" + s,
            {.kind = Kind::ClockTime,
             .showing = nextShowing(timeOfDay, lastSeen),
             .lastSeen = lastSeen}};
}

DueTime afterDuration(tk::Clock& clock, const tk::ClockReading& now, int hours, int minutes,
                      int seconds) {
    const Instant instant = now.realSecond() + std::int64_t{hours} * 3600 + minutes * 60 + seconds;
    return {tk::clockTextAt(clock.localAt(instant).secondsOfDay),
            {.kind = Kind::Duration, .instant = instant}};
}

Due following(const Due& due, const tk::ClockReading& now) {
    if (due.kind != Kind::ClockTime) return due;
    Due followed = due;
    const LocalSecond second = now.local.second();
    if (second < due.lastSeen) {
        followed.showing = nextShowing(((due.showing % kDay) + kDay) % kDay, second - 1);
    }
    followed.lastSeen = second;
    return followed;
}

std::optional<std::int64_t> lateness(const Due& due, const tk::ClockReading& now) {
    const std::int64_t late = due.kind == Kind::Duration
                                  ? now.realSecond() - due.instant
                                  : now.local.second() - following(due, now).showing;
    if (late < 0) return std::nullopt;
    return late;
}

// A clock time's wait is counted on the local clock, less what the clock's
// offset from real time changes until then (summer time begins or ends).
double secondsUntil(const Due& due, tk::Clock& clock, const tk::ClockReading& now) {
    const double realNow = static_cast<double>(now.realMs) / 1000.0;
    if (due.kind == Kind::Duration)
        return std::max(0.0, static_cast<double>(due.instant) - realNow);
    const double onTheClock =
        static_cast<double>(following(due, now).showing) - now.local.exactSecond();
    if (onTheClock <= 0) return 0;
    const Instant then = now.realSecond() + static_cast<std::int64_t>(onTheClock);
    const std::int64_t offsetNow = now.local.second() - now.realSecond();
    const std::int64_t offsetThen = clock.localAt(then).second() - then;
    return std::max(0.0, onTheClock - static_cast<double>(offsetThen - offsetNow));
}

std::string timeLeftText(double seconds) {
    const double h = std::floor(seconds / 3600);
    const double m = std::floor((seconds - 3600 * h) / 60);
    const double s = std::floor(seconds - 3600 * h - 60 * m);
    auto plain = [](double v) { return std::to_string(static_cast<std::int64_t>(v)); };
    return plain(h) + ":" + plain(m) + ":" + plain(s);
}

std::string lateLine(const std::string& remindTime, std::int64_t lateBy) {
    if (lateBy < 2) return {};
    std::string late;
    for (const Unit& unit : kLateUnits) {
        if (lateBy >= unit.seconds) late += std::to_string(lateBy / unit.seconds) + unit.name;
        lateBy %= unit.seconds;
    }
    return "原定时间：" + remindTime + "，晚了" + late;
}

}  // namespace due_time
