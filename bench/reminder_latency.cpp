// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How late a reminder box comes after the start of its due second: with the
// program's timers, which tick just after each turn of the second, and, as a
// baseline in the same run, with a plain 1000 ms timer started at a random
// moment and no program around it; then the program's timers again with every
// core kept busy by a spinning thread. Before that, where in the second the
// ticks of a whole-second timer land: on the program's timers, and on the same
// timer service with wake-ups of Qt's default, coarse type as a baseline.
#include <QMessageBox>
#include <QTime>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <memory>
#include <random>
#include <thread>

#include "bench_support.h"

namespace {

int msOfDay() {
    return QTime::currentTime().msecsSinceStartOfDay();
}

int msAfter(int second) {
    return (msOfDay() - second * 1000 + 86'400'000) % 86'400'000;
}

// After a random pause, the second one to two seconds ahead.
int randomDueSecond(std::mt19937& rng) {
    LiveApp::run(std::uniform_int_distribution<int>(0, 999)(rng));
    return (msOfDay() / 1000 + 2) % 86400;
}

// Starts a task due in a random second, and returns how many ms after the
// start of that second its box came.
double oneSample(LiveApp& live, std::mt19937& rng) {
    const int dueSecond = randomDueSecond(rng);
    double latency = -1;
    live.onBoxShown = [&](const std::string& text) {
        if (text != "任务1提醒") return;
        latency = msAfter(dueSecond);
    };
    live.startTask(1, tk::clockTextAt(dueSecond));
    LiveApp::run(6000, [&] { return latency >= 0; });
    return latency;
}

// The same with a plain timer: started at a random moment, every tick one
// interval after the last, a box at its first tick in the due second.
double onePlainSample(std::mt19937& rng) {
    const int dueSecond = randomDueSecond(rng);
    double latency = -1;
    QTimer plain;
    plain.setTimerType(Qt::PreciseTimer);
    QObject::connect(&plain, &QTimer::timeout, [&] {
        if (msOfDay() / 1000 != dueSecond) return;
        plain.stop();
        QMessageBox box(QMessageBox::NoIcon, "", "任务1提醒");
        QTimer::singleShot(0, &box, [&] {
            latency = msAfter(dueSecond);
            box.accept();
        });
        box.exec();
    });
    plain.start(1000);
    LiveApp::run(6000, [&] { return latency >= 0; });
    return latency;
}

std::vector<double> measure(int count, unsigned seed,
                            const std::function<double(std::mt19937&)>& sample) {
    std::mt19937 rng(seed);
    std::vector<double> samples;
    for (int i = 0; i < count; ++i) samples.push_back(sample(rng));
    return samples;
}

std::vector<double> measureProgram(int count) {
    LiveApp live;
    return measure(count, 1, [&live](std::mt19937& rng) { return oneSample(live, rng); });
}

// One thread spinning on each core for as long as it lives.
class BusyCores {
public:
    BusyCores() {
        for (unsigned i = 0; i < std::max(1u, std::thread::hardware_concurrency()); ++i) {
            spinners_.emplace_back([this] {
                while (!stop_.load(std::memory_order_relaxed)) {
                }
            });
        }
    }
    ~BusyCores() {
        stop_ = true;
        for (std::thread& spinner : spinners_) spinner.join();
    }
    BusyCores(const BusyCores&) = delete;
    BusyCores& operator=(const BusyCores&) = delete;

private:
    std::atomic<bool> stop_{false};
    std::vector<std::thread> spinners_;
};

// The system's wall clock with the program's wake-up timers turned to Qt's
// default, coarse type.
class CoarseTime : public qtview::TimeSource {
public:
    qint64 wallClockMs() override { return qtview::systemTime().wallClockMs(); }
    std::unique_ptr<qtview::WakeUp> wakeUp(std::function<void()> wake) override {
        return std::make_unique<Coarse>(std::move(wake));
    }

private:
    struct Coarse : qtview::WakeUp {
        explicit Coarse(std::function<void()> wake) : timer(qtview::wakeUpTimer(std::move(wake))) {
            timer->setTimerType(Qt::CoarseTimer);
        }
        void start(int ms) override { timer->start(ms); }
        void stop() override { timer->stop(); }
        std::unique_ptr<QTimer> timer;
    };
};

// A wall clock `shift` ms off the system's, on the wake-ups of another time
// source. Coarse wake-ups come at round fractions of the monotonic clock's
// second, up to 5 % early or late; where those fall against the wall clock's
// turn differs between machines and boots, and the shift stands in for that.
class ShiftedTime : public qtview::TimeSource {
public:
    explicit ShiftedTime(qtview::TimeSource& wakeUps) : wakeUps_(wakeUps) {}
    qint64 wallClockMs() override { return qtview::systemTime().wallClockMs() + shift; }
    std::unique_ptr<qtview::WakeUp> wakeUp(std::function<void()> wake) override {
        return wakeUps_.wakeUp(std::move(wake));
    }
    qint64 shift = 0;

private:
    qtview::TimeSource& wakeUps_;
};

class OneTimer : public tk::Form {
public:
    explicit OneTimer(tk::Program& p) : tk::Form(p, "OneTimer", {}) {}
    tk::Timer& timer = addTimer("Timer");
};

// A 1000 ms timer armed after a random pause on the timer service run by
// `time`: ms after the turn of the second of its third tick, the first that
// comes a whole second after the one before, as a running timer's ticks do
// (the first tick comes one interval after arming, the second at the next turn).
double tickPosition(qtview::TimeSource& time, std::mt19937& rng) {
    LiveApp::run(std::uniform_int_distribution<int>(0, 999)(rng));
    qtview::QtClock clock;
    qtview::QtDialogs dialogs;
    qtview::QtLifetime lifetime;
    qtview::QtTimers timers{time};
    tk::Program program{tk::Services{clock, dialogs, timers, lifetime}};
    OneTimer form(program);
    std::vector<double> landed;
    form.timer.onTick.bind(
        [&] { landed.push_back(static_cast<double>(time.wallClockMs() % 1000)); });
    form.timer.setInterval(1000);
    LiveApp::run(4500, [&] { return landed.size() >= 3; });
    return landed.size() >= 3 ? landed[2] : -1;
}

void print(const char* name, const Figures& f) {
    std::printf("%-28s median %7.1f ms   p95 %7.1f ms   max %7.1f ms\n", name, f.median, f.p95,
                f.max);
}

}  // namespace

int main(int argc, char** argv) {
    drawOffscreenUnlessChosen();
    QApplication application(argc, argv);
    qtview::setUpApplication();
    const int count = argc > 1 ? std::atoi(argv[1]) : 20;
    std::printf(
        "a running timer's tick, ms after the turn of a shifted wall clock's second, "
        "%d samples each\n",
        count);
    const auto ticks = [count](qtview::TimeSource& wakeUps) {
        ShiftedTime shifted(wakeUps);
        return figuresOf(measure(count, 3, [&](std::mt19937& rng) {
            shifted.shift = std::uniform_int_distribution<int>(0, 999)(rng);
            return tickPosition(shifted, rng);
        }));
    };
    print("the program's timers", ticks(qtview::systemTime()));
    CoarseTime coarse;
    print("the same, coarse wake-ups", ticks(coarse));
    std::printf("reminder latency after the start of the due second, %d samples each\n", count);
    const Figures precise = figuresOf(measureProgram(count));
    print("timers aimed at the second", precise);
    const Figures plain = figuresOf(measure(count, 2, onePlainSample));
    print("plain 1000 ms timer, bare", plain);
    std::printf("ratio plain/aimed: median %.0fx, max %.0fx\n", plain.median / precise.median,
                plain.max / precise.max);
    Figures loaded{};
    {
        const BusyCores busy;
        loaded = figuresOf(measureProgram(count));
    }
    print("aimed, every core busy", loaded);
    std::printf("ratio busy/idle, aimed: median %.1fx, max %.1fx\n", loaded.median / precise.median,
                loaded.max / precise.max);
    return 0;
}
