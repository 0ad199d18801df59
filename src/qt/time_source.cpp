// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/time_source.h"

#include <QDateTime>
#include <QTimer>

namespace qtview {

namespace {

class PreciseWakeUp : public WakeUp {
public:
    explicit PreciseWakeUp(std::function<void()> wake) {
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, std::move(wake));
    }
    void start(int ms) override { timer_.start(ms); }
    void stop() override { timer_.stop(); }

private:
    QTimer timer_;
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
