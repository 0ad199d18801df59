// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/clock_text.h"

#include <cmath>

namespace tk {

std::string twoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

std::string clockTextAt(double secondsSinceMidnight) {
    long whole = static_cast<long>(std::floor(secondsSinceMidnight)) % kSecondsPerDay;
    if (whole < 0) whole += kSecondsPerDay;
    const int h = static_cast<int>(whole / 3600);
    const int m = static_cast<int>(whole % 3600 / 60);
    const int s = static_cast<int>(whole % 60);
    return twoDigits(h) + ":" + twoDigits(m) + ":" + twoDigits(s);
}

}  // namespace tk
