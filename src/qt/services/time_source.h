// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <functional>
#include <memory>

class QTimer;

namespace qtview {

// Calls back once, `ms` after it was last started, unless stopped first.
class WakeUp {
public:
    virtual ~WakeUp() = default;
    virtual void start(int ms) = 0;
    virtual void stop() = 0;
};

// What the Qt timer service runs on: the wall clock, which a person or the
// network may set back or forward at any moment, and wake-ups, which count
// real time whatever the wall clock does. The program runs on the system's;
// tests move a wall clock and wake-ups of their own by hand.
class TimeSource {
public:
    virtual ~TimeSource() = default;
    virtual qint64 wallClockMs() = 0;  // since the epoch
    virtual std::unique_ptr<WakeUp> wakeUp(std::function<void()> wake) = 0;
};

// The local wall clock, and wake-ups on timers from wakeUpTimer().
TimeSource& systemTime();

// A single-shot timer that calls `wake`, of Qt's precise type: one of the
// default type may come 5 % of its wait early or late, so that a tick aimed
// just after the turn of the second lands up to 50 ms off it.
std::unique_ptr<QTimer> wakeUpTimer(std::function<void()> wake);

}  // namespace qtview
