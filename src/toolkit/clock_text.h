// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace tk {

constexpr int kSecondsPerDay = 86400;

// "HH:MM:SS" of the whole second in which `secondsSinceMidnight` lies; wraps at midnight.
std::string clockTextAt(double secondsSinceMidnight);

// Two digits, zero-padded: 7 -> "07".
std::string twoDigits(int value);

}  // namespace tk
