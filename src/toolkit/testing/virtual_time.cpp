// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/testing/virtual_time.h"

#include "toolkit/timer.h"

namespace tk::testing {

namespace {
constexpr std::int64_t kMsPerDay = 86'400'000;
constexpr std::int64_t kHourMs = 3'600'000;
}  // namespace

Zone summerTimeZone(std::int64_t summerFromMs, std::int64_t summerUntilMs) {
    return {{INT64_MIN, kHourMs}, {summerFromMs, 2 * kHourMs}, {summerUntilMs, kHourMs}};
}

std::int64_t VirtualTime::zoneOffsetMs(std::int64_t realMs) const {
    std::int64_t offset = 0;
    for (const ZoneChange& change : zone_) {
        if (change.fromMs <= realMs) offset = change.offsetMs;
    }
    return offset;
}

ClockReading VirtualTime::now() {
    const std::int64_t real = wallClockMs();
    return {real, localTimeAt(real + zoneOffsetMs(real))};
}

LocalTime VirtualTime::localAt(std::int64_t realSecond) {
    return localTimeAt(realSecond * 1000 + zoneOffsetMs(realSecond * 1000));
}

void VirtualTime::arm(Timer& timer) {
    entries_[&timer] = Entry{now_ + timer.interval(), nextOrder_++};
}

void VirtualTime::disarm(Timer& timer) {
    entries_.erase(&timer);
}

void VirtualTime::setTimeOfDay(int h, int m, int s, int ms) {
    const std::int64_t real = wallClockMs();
    const std::int64_t local = real + zoneOffsetMs(real);
    const std::int64_t target = ((h * 60LL + m) * 60 + s) * 1000 + ms;
    std::int64_t ahead = ((target - local) % kMsPerDay + kMsPerDay) % kMsPerDay;
    // Real time runs by as much less as the local clock jumps forward on the way.
    ahead -= zoneOffsetMs(real + ahead) - zoneOffsetMs(real);
    advance(ahead);
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
