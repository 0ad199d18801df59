// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/due_time.h"

#include <cmath>

#include "toolkit/clock_text.h"
#include "toolkit/text.h"

namespace due_time {

namespace {

int field(const std::string& clockText, std::size_t position) {
    return std::stoi(clockText.substr(position, 2));
}

DueTime fromSeconds(int seconds) {
    return {tk::clockTextAt(seconds), seconds};
}

}  // namespace

bool isComplete(const std::string& h, const std::string& m, const std::string& s) {
    return tk::characterCount(h + m + s) == 6;
}

bool isLongEnough(const std::string& h, const std::string& m, const std::string& s) {
    return std::stoi(h + m + s) >= 30;
}

DueTime atClockTime(const std::string& h, const std::string& m, const std::string& s) {
    return {h + ":" + m + ":" + s, std::stoi(h) * 3600 + std::stoi(m) * 60 + std::stoi(s)};
}

DueTime afterDuration(const std::string& now, int hours, int minutes, int seconds) {
    const int start = field(now, 0) * 3600 + field(now, 3) * 60 + field(now, 6);
    return fromSeconds((start + hours * 3600 + minutes * 60 + seconds) % tk::kSecondsPerDay);
}

bool isDue(const std::string& clockText, const std::string& remindTime) {
    if (clockText.size() != 8 || remindTime.size() != 8) return false;
    const int due = field(remindTime, 6);
    const int now = field(clockText, 6);
    return due <= now && now < due + 2 && clockText.compare(3, 2, remindTime, 3, 2) == 0 &&
           clockText.compare(0, 2, remindTime, 0, 2) == 0;
}

double secondsUntil(double remindSeconds, double now) {
    return remindSeconds < now ? remindSeconds + tk::kSecondsPerDay - now : remindSeconds - now;
}

std::string timeLeftText(double seconds) {
    const double h = std::floor(seconds / 3600);
    const double m = std::floor((seconds - 3600 * h) / 60);
    const double s = std::floor(seconds - 3600 * h - 60 * m);
    auto plain = [](double v) { return std::to_string(static_cast<long>(v)); };
    return plain(h) + ":" + plain(m) + ":" + plain(s);
}

}  // namespace due_time
