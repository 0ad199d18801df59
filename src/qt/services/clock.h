// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "toolkit/services.h"

namespace qtview {

// The system's real time, and the local date and time of day in the system's
// time zone as it is at each reading.
class QtClock : public tk::Clock {
public:
    tk::ClockReading now() override;
    tk::LocalTime localAt(std::int64_t realSecond) override;
};

}  // namespace qtview
