// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/services/time_source.h"

#include <QDateTime>
#include <QTimer>

namespace qtview {

namespace {

// The QTimer itself, so that what is asked of Qt can be read off it. Without
// the precise type a tick aimed just after the turn of the second may come up
// to 5 % of its wait late: 50 ms into the second.
class PreciseWakeUp : public QTimer, public WakeUp {
public:
    explicit PreciseWakeUp(std::function<void()> wake) {
        setSingleShot(true);
        setTimerType(Qt::PreciseTimer);
        connect(this, &QTimer::timeout, std::move(wake));
    }
    void start(int ms) override { QTimer::start(ms); }
    void stop() override { QTimer::stop(); }
};

class SystemTime : public TimeSource {
public:
    qint64 wallClockMs() override { return QDateTime::currentMSecsSinceEpoch(); }
    std::unique_ptr<WakeUp> wakeUp(std::function<void()> wake) override {
        return std::make_unique<PreciseWakeUp>(std::move(wake));
    }
};

}  // namespace

TimeSource& systemTime() {
    static SystemTime system;
    return system;
}

}  // namespace qtview
