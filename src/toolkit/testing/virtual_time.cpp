// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/testing/virtual_time.h"

#include "toolkit/timer.h"

namespace tk::testing {

namespace {
constexpr std::int64_t kMsPerDay = 86'400'000;
}

LocalTime VirtualTime::now() {
    const std::int64_t wall = wallClockMs();
    const std::int64_t day = wall >= 0 ? wall / kMsPerDay : (wall + 1) / kMsPerDay - 1;
    return {day, static_cast<double>(wall - day * kMsPerDay) / 1000.0};
}

void VirtualTime::arm(Timer& timer) {
    entries_[&timer] = Entry{now_ + timer.interval(), nextOrder_++};
}

void VirtualTime::disarm(Timer& timer) {
    entries_.erase(&timer);
}

void VirtualTime::setTimeOfDay(int h, int m, int s, int ms) {
    const std::int64_t wall = wallClockMs();
    const std::int64_t target = now().day * kMsPerDay + ((h * 60LL + m) * 60 + s) * 1000 + ms;
    advance(target >= wall ? target - wall : target + kMsPerDay - wall);
}

void VirtualTime::suspend(std::int64_t ms) {
    now_ += ms;
    for (auto& [timer, entry] : entries_) {
        const std::int64_t interval = timer->interval();
        if (entry.due <= now_) entry.due += (now_ - entry.due) / interval * interval + interval;
    }
}

void VirtualTime::advance(std::int64_t ms) {
    const std::int64_t target = now_ + ms;
    for (;;) {
        const Timer* next = nullptr;
        Entry best{};
        for (const auto& [timer, entry] : entries_) {
            if (entry.due > target) continue;
            if (next == nullptr || entry.due < best.due ||
                (entry.due == best.due && entry.order < best.order)) {
                next = timer;
                best = entry;
            }
        }
        if (next == nullptr) break;
        if (best.due > now_) now_ = best.due;
        // Rescheduled before the tick runs, so the handler may be ticked again
        // from inside a box, and may re-arm or disarm its own timer.
        entries_[next].due = best.due + next->interval();
        const_cast<Timer*>(next)->tick();
    }
    if (target > now_) now_ = target;
}

}  // namespace tk::testing
