// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The whole program on the real Qt layer, offscreen; every box answered as
// soon as it is on screen.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QInputMethodQueryEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "qt/services/qt_services.h"
#include "qt/testing/press_ok.h"
#include "qt/twips.h"
#include "qt/view/program_view.h"
#include "toolkit/program.h"

// A wall clock and wake-ups for the Qt timer service that move only when a
// test says so: advance() lets time pass, running each wake-up as it falls due
// with the wall clock at that moment; moveWallClock() sets the clock alone, as
// a person or a machine waking from sleep does, and leaves the wake-ups, which
// count real time, where they were. Also the program's clock, on UTC.
class ManualTime : public qtview::TimeSource, public tk::Clock {
public:
    explicit ManualTime(qint64 wallClockMs) : offset_(wallClockMs) {}
    qint64 wallClockMs() override { return elapsed_ + offset_; }
    tk::ClockReading now() override { return {wallClockMs(), tk::localTimeAt(wallClockMs())}; }
    tk::LocalTime localAt(std::int64_t realSecond) override {
        return tk::localTimeAt(realSecond * 1000);
    }
    std::unique_ptr<qtview::WakeUp> wakeUp(std::function<void()> wake) override {
        return std::make_unique<Pending>(*this, std::move(wake));
    }

    void moveWallClock(qint64 ms) { offset_ += ms; }
    void advance(qint64 ms) {
        const qint64 until = elapsed_ + ms;
        for (Pending* next = soonest(); next != nullptr && next->due <= until; next = soonest()) {
            elapsed_ = std::max(elapsed_, next->due);
            runNow(*next);
        }
        elapsed_ = std::max(elapsed_, until);
    }
    // A wake-up that comes early, as a real timer's may: the soonest, at once.
    void wakeEarly() { runNow(*soonest()); }
    // In how many ms the soonest wake-up comes; -1 when none is started.
    qint64 nextWakeMs() const { return soonest() != nullptr ? soonest()->due - elapsed_ : -1; }
    long startedWakeUps() const {
        return std::count_if(wakeUps_.begin(), wakeUps_.end(), [](auto* w) { return w->due >= 0; });
    }

private:
    struct Pending : qtview::WakeUp {
        Pending(ManualTime& t, std::function<void()> w) : time(t), wake(std::move(w)) {
            time.wakeUps_.push_back(this);
        }
        ~Pending() override { std::erase(time.wakeUps_, this); }
        void start(int ms) override { due = time.elapsed_ + ms; }
        void stop() override { due = -1; }
        ManualTime& time;
        std::function<void()> wake;
        qint64 due = -1;  // on the wake-ups' own count of time
    };
    Pending* soonest() const {
        Pending* found = nullptr;
        for (Pending* w : wakeUps_) {
            if (w->due >= 0 && (found == nullptr || w->due < found->due)) found = w;
        }
        return found;
    }
    static void runNow(Pending& wakeUp) {
        wakeUp.due = -1;
        wakeUp.wake();
    }
    std::vector<Pending*> wakeUps_;
    qint64 elapsed_ = 0;
    qint64 offset_;
};

class QtTest : public ::testing::Test {
protected:
    QtTest() {
        services.dialogs.observeShownBoxes([this](QDialog& box) { answer(box); });
    }

    // Records the box's text, runs `whileOpen`, then presses 确定; `answerWith`
    // answers it otherwise.
    void answer(QDialog& box) {
        shownTexts.push_back(box.findChild<QLabel*>("qt_msgbox_label") != nullptr
                                 ? box.findChild<QLabel*>("qt_msgbox_label")->text()
                                 : box.windowTitle());
        if (whileOpen) whileOpen();
        if (answerWith) {
            answerWith(box);
        } else {
            qtview::testing::pressOk(box);
        }
    }

    // Runs the application's event loop, as the program's main() does, with
    // `act` as its first event; returns the exit status, or 99 when the
    // program has not ended within five seconds.
    static int runTheProcess(const std::function<void()>& act) {
        QTimer::singleShot(0, act);
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
        return QApplication::exec();
    }

    // Runs the event loop until `done` holds or `ms` have passed.
    static bool waitFor(const std::function<bool()>& done, int ms) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < ms) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return done();
    }

    // Twips on the screen as a person measures them: 1440 to the logical inch.
    static int px(int twips) {
        return qtview::twipsToPixels(twips, QGuiApplication::primaryScreen()->logicalDotsPerInch());
    }

    // Whether an input method may compose in the box, as the input method asks it.
    static bool takesInputMethod(QWidget& box) {
        QInputMethodQueryEvent query(Qt::ImEnabled);
        QApplication::sendEvent(&box, &query);
        return query.value(Qt::ImEnabled).toBool();
    }

    QWidget* widget(const tk::Control& control) const { return view.widget(control); }

    qtview::QtServices services;
    tk::Program program{services.services()};
    App app{program};
    MainForm& f = app.mainForm();
    qtview::ProgramView views{program};
    qtview::FormView& view = views.of(f);
    std::vector<QString> shownTexts;
    std::function<void()> whileOpen;
    std::function<void(QDialog&)> answerWith;
};

// A small window of every kind of control, with a count of every event, for
// trying the routes into the model on their own. Its width cuts FarAway off.
class ProbeForm : public tk::Form {
public:
    explicit ProbeForm(tk::Program& p)
        : tk::Form(p, "Probe", {.caption = "探针", .width = 4000, .height = 3000}) {
        for (const auto& control : controls()) {
            control->onClick.bind([this, c = control.get()] { ++clicks[c->name()]; });
            control->onMouseMove.bind([this, c = control.get()] { ++moves[c->name()]; });
        }
        Tick.onTick.bind([this] { ++ticks; });
    }

    // clang-format off
    tk::Frame& Outer = add<tk::Frame>("Outer", {.caption = "外框", .at = {0, 0, 3800, 2800}});
    tk::CommandButton& Inner = add<tk::CommandButton>("Inner", Outer, {.caption = "按钮", .at = {100, 200, 900, 400}});
    tk::TextBox& Line = add<tk::TextBox>("Line", Outer, {.at = {100, 700, 1500, 300}});
    tk::TextBox& Log = add<tk::TextBox>("Log", Outer, {.at = {100, 1100, 1500, 900}, .multiLine = true, .locked = true});
    tk::CheckBox& Check = add<tk::CheckBox>("Check", Outer, {.caption = "勾选", .at = {1800, 200, 1000, 300}});
    tk::OptionButton& OptionA = add<tk::OptionButton>("OptionA", Outer, {.caption = "甲", .at = {1800, 600, 1000, 300}, .value = 1});
    tk::OptionButton& OptionB = add<tk::OptionButton>("OptionB", Outer, {.caption = "乙", .at = {1800, 1000, 1000, 300}});
    tk::ComboBox& Combo = add<tk::ComboBox>("Combo", Outer, {.at = {1800, 1400, 1000, 300}, .items = {"一", "二"}});
    tk::CommandButton& FarAway = add<tk::CommandButton>("FarAway", {.caption = "远处", .at = {5000, 200, 900, 400}});
    tk::Timer& Tick = addTimer("Tick");
    // clang-format on

    std::map<std::string, int> clicks;
    std::map<std::string, int> moves;
    int ticks = 0;
};
