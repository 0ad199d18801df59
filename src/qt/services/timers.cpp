// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/services/timers.h"

#include <algorithm>
#include <vector>

#include "toolkit/timer.h"

namespace qtview {

QtTimers::QtTimers(TimeSource& time)
    : time_(time), alignedWakeup_(time.wakeUp([this] { wakeAligned(); })) {}

QtTimers::~QtTimers() = default;

void QtTimers::arm(tk::Timer& timer) {
    Entry& entry = entries_[&timer];
    if (!entry.own) entry.own = time_.wakeUp([this, &timer] { wake(timer); });
    entry.armed = ++armings_;
    entry.own->start(timer.interval());
    leaveTheSecond(entry);
}

void QtTimers::disarm(tk::Timer& timer) {
    if (auto found = entries_.find(&timer); found != entries_.end()) {
        found->second.own->stop();
        leaveTheSecond(found->second);
    }
}

void QtTimers::leaveTheSecond(Entry& entry) {
    if (entry.aim == 0) return;
    entry.aim = 0;
    scheduleAligned(time_.wallClockMs());
}

void QtTimers::aimAtTheSecond(const tk::Timer& timer, Entry& entry, qint64 now) {
    entry.aim = now - now % 1000 + timer.interval() + kAfterTurnMs;
}

// The one wake-up comes at the earliest turn any aligned timer waits for (a
// turn further off than its interval is one from before the wall clock was set
// back, and is due at once).
void QtTimers::scheduleAligned(qint64 now) {
    qint64 soonest = -1;
    for (const auto& [timer, entry] : entries_) {
        if (entry.aim == 0) continue;
        const qint64 wait =
            std::clamp<qint64>(entry.aim - now, 0, timer->interval() + kAfterTurnMs);
        if (soonest < 0 || wait < soonest) soonest = wait;
    }
    if (soonest < 0) {
        alignedWakeup_->stop();
    } else {
        alignedWakeup_->start(static_cast<int>(soonest));
    }
}

void QtTimers::wake(tk::Timer& timer) {
    Entry& entry = entries_.at(&timer);
    const int interval = timer.interval();
    if (interval == 0) return;
    if (interval % 1000 != 0) {
        entry.own->start(interval);
    } else {
        const qint64 now = time_.wallClockMs();
        entry.own->stop();
        aimAtTheSecond(timer, entry, now);
        scheduleAligned(now);
    }
    // Armed again before the handler runs, so ticks go on while it waits in a box.
    timer.tick();
}

void QtTimers::wakeAligned() {
    const qint64 now = time_.wallClockMs();
    struct Due {
        std::uint64_t armed;
        tk::Timer* timer;
    };
    std::vector<Due> due;
    for (auto& [timer, entry] : entries_) {
        if (entry.aim == 0) continue;
        // Woken just before its turn, a timer waits for it; a turn further off
        // than its interval dates from before the wall clock was set back.
        const bool setBack = entry.aim - now > timer->interval() + kAfterTurnMs;
        if (entry.aim > now && !setBack) continue;
        aimAtTheSecond(*timer, entry, now);
        due.push_back({entry.armed, timer});
    }
    scheduleAligned(now);
    std::sort(due.begin(), due.end(), [](const Due& a, const Due& b) { return a.armed < b.armed; });
    for (const Due& d : due) {
        // A tick before it may have stopped or re-armed this timer.
        const auto found = entries_.find(d.timer);
        if (found != entries_.end() && found->second.armed == d.armed && found->second.aim != 0) {
            d.timer->tick();
        }
    }
}

}  // namespace qtview
