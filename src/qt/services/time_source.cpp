// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/services/time_source.h"

#include <QDateTime>
#include <QTimer>

namespace qtview {

namespace {

class TimerWakeUp : public WakeUp {
public:
    explicit TimerWakeUp(std::function<void()> wake) : timer_(wakeUpTimer(std::move(wake))) {}
    void start(int ms) override { timer_->start(ms); }
    void stop() override { timer_->stop(); }

private:
    std::unique_ptr<QTimer> timer_;
};

class SystemTime : public TimeSource {
public:
    qint64 wallClockMs() override { return QDateTime::currentMSecsSinceEpoch(); }
    std::unique_ptr<WakeUp> wakeUp(std::function<void()> wake) override {
        return std::make_unique<TimerWakeUp>(std::move(wake));
    }
};

}  // namespace

std::unique_ptr<QTimer> wakeUpTimer(std::function<void()> wake) {
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer.get(), &QTimer::timeout, std::move(wake));
    return timer;
}

TimeSource& systemTime() {
    static SystemTime system;
    return system;
}

}  // namespace qtview
