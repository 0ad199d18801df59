// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "qt/services/time_source.h"
#include "toolkit/services.h"

namespace qtview {

// Window timers. A timer whose interval is a whole number of seconds ticks
// first one interval after it is armed, then just after each turn of the wall
// clock's second (re-aimed at every tick), so that handlers which read the
// clock see each new second at once rather than up to a second late. Timers
// aimed at the same turn share one wake-up, and tick in the order they were
// armed.
class QtTimers : public tk::TimerService {
public:
    static constexpr int kAfterTurnMs = 2;

    explicit QtTimers(TimeSource& time = systemTime());
    ~QtTimers() override;

    void arm(tk::Timer& timer) override;
    void disarm(tk::Timer& timer) override;

private:
    // What a timer's own wake-up does: the first tick after arming, and every
    // tick of a timer not aimed at the second.
    void wake(tk::Timer& timer);
    // What the wake-up shared by the timers aimed at the second does.
    void wakeAligned();
    struct Entry {
        std::unique_ptr<WakeUp> own;
        qint64 aim = 0;           // the turn of the second (ms since the epoch) it waits for, or 0
        std::uint64_t armed = 0;  // when it was armed, in arming order
    };
    void aimAtTheSecond(const tk::Timer& timer, Entry& entry, qint64 now);
    void leaveTheSecond(Entry& entry);
    void scheduleAligned(qint64 now);

    TimeSource& time_;
    std::map<tk::Timer*, Entry, std::less<>> entries_;
    std::unique_ptr<WakeUp> alignedWakeup_;
    std::uint64_t armings_ = 0;
};

}  // namespace qtview
