// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "toolkit/services.h"

namespace tk::testing {

// From the real time `fromMs` (since the epoch) on, the local clock shows the
// real time plus `offsetMs`.
struct ZoneChange {
    std::int64_t fromMs;
    std::int64_t offsetMs;
};
// A time zone as its offsets in time order; none is UTC.
using Zone = std::vector<ZoneChange>;

// A zone an hour ahead of UTC, two hours from `summerFromMs` until `summerUntilMs`.
Zone summerTimeZone(std::int64_t summerFromMs, std::int64_t summerUntilMs);

// A clock and a timer scheduler that move only when a test says so. Ticks fire
// in time order (ties in the order the timers were armed), also from inside a
// box whose scripted reply lets time pass, and a timer may then tick again
// while its own handler still waits in the box. Real time begins at the epoch.
class VirtualTime : public Clock, public TimerService {
public:
    ClockReading now() override;
    LocalTime localAt(std::int64_t realSecond) override;
    void arm(Timer& timer) override;
    void disarm(Timer& timer) override;

    // Lets time run until the local clock next shows this time of day.
    void setTimeOfDay(int h, int m, int s, int ms = 0);
    // The computer taken into another zone, or given its summer time.
    void setZone(Zone zone) { zone_ = std::move(zone); }
    void advance(std::int64_t ms);
    // The wall clock set forward or back, by a person or the network; the
    // timers go on in their rhythm.
    void moveWallClock(std::int64_t ms) { clockOffset_ += ms; }
    // Time passes with no tick at all, as on a machine that is busy or asleep;
    // afterwards each timer goes on in its old rhythm, the missed ticks dropped.
    void suspend(std::int64_t ms);
    std::int64_t elapsedMs() const { return now_; }
    bool armed(const Timer& timer) const { return entries_.count(&timer) != 0; }
    bool anyArmed() const { return !entries_.empty(); }

private:
    struct Entry {
        std::int64_t due;
        std::uint64_t order;
    };
    std::int64_t wallClockMs() const { return now_ + clockOffset_; }
    std::int64_t zoneOffsetMs(std::int64_t realMs) const;
    std::int64_t now_ = 0;  // what the timers count
    std::int64_t clockOffset_ = 0;
    std::uint64_t nextOrder_ = 0;
    std::map<const Timer*, Entry> entries_;
    Zone zone_;
};

}  // namespace tk::testing
