// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/clock_text.h"

#include <cmath>

#include "toolkit/services.h"

namespace tk {

namespace {
constexpr std::int64_t kMsPerDay = std::int64_t{kSecondsPerDay} * 1000;
}

std::string twoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

std::string clockTextAt(double secondsSinceMidnight) {
    std::int64_t whole =
        static_cast<std::int64_t>(std::floor(secondsSinceMidnight)) % kSecondsPerDay;
    if (whole < 0) whole += kSecondsPerDay;
    const int h = static_cast<int>(whole / 3600);
    const int m = static_cast<int>(whole % 3600 / 60);
    const int s = static_cast<int>(whole % 60);
    return twoDigits(h) + ":" + twoDigits(m) + ":" + twoDigits(s);
}

LocalTime localTimeAt(std::int64_t localMs) {
    std::int64_t day = localMs / kMsPerDay;
    if (localMs % kMsPerDay < 0) --day;
    return {day, static_cast<double>(localMs - day * kMsPerDay) / 1000.0};
}

}  // namespace tk
