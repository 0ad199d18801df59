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

DueTime at(Moment moment) {
    return {tk::clockTextAt(static_cast<double>(moment)), moment};
}

struct Unit {
    std::int64_t seconds;
    const char* name;
};
constexpr Unit kLateUnits[] = {{86400, "天"}, {3600, "小时"}, {60, "分钟"}, {1, "秒"}};

}  // namespace

bool isComplete(const std::string& h, const std::string& m, const std::string& s) {
    return tk::characterCount(h + m + s) == 6;
}

bool isLongEnough(const std::string& h, const std::string& m, const std::string& s) {
    return std::stoi(h + m + s) >= 30;
}

DueTime atClockTime(const tk::LocalTime& now, const std::string& h, const std::string& m,
                    const std::string& s) {
    const Moment today =
        now.day * tk::kSecondsPerDay + std::stoi(h) * 3600 + std::stoi(m) * 60 + std::stoi(s);
    return {h + ":" + m + ":" + s, today < now.wholeSecond() ? today + tk::kSecondsPerDay : today};
}

DueTime afterDuration(const tk::LocalTime& now, int hours, int minutes, int seconds) {
    return at(now.wholeSecond() + hours * 3600 + minutes * 60 + seconds);
}

double secondsUntil(Moment due, const tk::LocalTime& now) {
    return std::max(0.0, static_cast<double>(due) - now.exactSecond());
}

std::string timeLeftText(double seconds) {
    const double h = std::floor(seconds / 3600);
    const double m = std::floor((seconds - 3600 * h) / 60);
    const double s = std::floor(seconds - 3600 * h - 60 * m);
    auto plain = [](double v) { return std::to_string(static_cast<long>(v)); };
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
