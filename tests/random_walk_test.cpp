// Thousands of random sequences of what a person can do, with fixed seeds,
// checking after every step what must always hold.
#include <algorithm>
#include <array>
#include <random>
#include <sstream>

#include "app_fixture.h"

namespace {

class Walk {
public:
    explicit Walk(unsigned seed) : rng_(seed) {
        p_.boxes.setFallback([this](const tk::testing::BoxRecord&) { return answer(); });
        p_.boxes.reply(ok());
        app_.start();
        p_.time.advance(3000);
        p_.time.setTimeOfDay(pick(0, 23), pick(0, 59), pick(0, 59), pick(0, 999));
        log_ = f_.Text1.text();
    }

    // Runs `steps` random actions; returns the first broken rule, or "".
    std::string run(int steps) {
        for (int i = 0; i < steps; ++i) {
            act();
            if (std::string broken = check(); !broken.empty()) return broken;
        }
        deliverEverything();
        for (int n = 1; n <= 4; ++n) {
            if (outstanding_[n - 1] != 0) return "slot " + std::to_string(n) + " never delivered";
        }
        return check();
    }

    std::string history() const { return history_.str(); }
    int reminders() const {
        return static_cast<int>(
            std::count_if(p_.boxes.shown().begin(), p_.boxes.shown().end(),
                          [](const auto& box) { return box.text.ends_with("提醒"); }));
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    template <class T>
    T& anyOf(std::vector<T*>& items) {
        return *items[static_cast<std::size_t>(pick(0, static_cast<int>(items.size()) - 1))];
    }

    Reply answer() {
        Reply reply = pick(0, 1) == 0 ? ok() : cancel();
        if (pick(0, 2) == 0) {
            const int ms = pick(0, 2500);
            reply.whileOpen = [this, ms] { p_.time.advance(ms); };
        }
        return reply;
    }

    std::vector<tk::Control*> reachable(tk::Kind kind) {
        std::vector<tk::Control*> found;
        for (const auto& c : f_.controls()) {
            if (c->kind() == kind && User::canReach(*c)) found.push_back(c.get());
        }
        return found;
    }

    void act() {
        const int roll = pick(0, 99);
        history_ << p_.program.clockText() << ' ';
        if (roll < 30) {
            auto buttons = reachable(tk::Kind::CommandButton);
            auto options = reachable(tk::Kind::OptionButton);
            buttons.insert(buttons.end(), options.begin(), options.end());
            if (buttons.empty()) return note("nothing to click");
            tk::Control& c = anyOf(buttons);
            note("click " + c.name());
            (void)User::click(c);
        } else if (roll < 45) {
            auto combos = reachable(tk::Kind::ComboBox);
            if (combos.empty()) return note("no list");
            auto& combo = static_cast<tk::ComboBox&>(anyOf(combos));
            const int item = pick(0, static_cast<int>(combo.items().size()) - 1);
            note("choose " + combo.name() + " " + combo.items()[static_cast<std::size_t>(item)]);
            (void)User::choose(combo, item);
        } else if (roll < 57) {
            auto boxes = reachable(tk::Kind::TextBox);
            if (boxes.empty()) return note("no box");
            auto& box = static_cast<tk::TextBox&>(anyOf(boxes));
            static const std::array<const char*, 5> words{"a", "A", "密码", " ", "提醒"};
            const std::string word = words[static_cast<std::size_t>(pick(0, 4))];
            const bool over = pick(0, 3) == 0;
            note((over ? "retype " : "type ") + box.name() + " '" + word + "'");
            (void)(over ? User::retype(box, word) : User::type(box, word));
        } else if (roll < 60) {
            note("enter");
            (void)User::pressEnter(f_);
        } else if (roll < 64) {
            auto all = reachable(tk::Kind::CommandButton);
            if (all.empty()) return note("nothing to hover");
            tk::Control& c = anyOf(all);
            note("hover " + c.name());
            (void)User::hover(c);
        } else if (roll < 82) {
            const int ms = pick(1, 90) * 1000 + pick(0, 999);
            note("wait " + std::to_string(ms) + " ms");
            p_.time.advance(ms);
        } else if (roll < 84) {
            const int ms = pick(1, 3) * 3'600'000;
            note("wait " + std::to_string(ms / 3'600'000) + " h");
            p_.time.advance(ms);
        } else {
            pickSoonDueTime();
        }
    }

    // What a person who wants a reminder soon does: content, then a time a few
    // seconds or minutes ahead.
    void pickSoonDueTime() {
        if (User::canReach(f_.Text3) && f_.Text3.text().empty()) (void)User::type(f_.Text3, "事");
        const int ahead = pick(2, 150);
        std::string when;
        if (User::canReach(f_.Combo1)) {
            when = tk::clockTextAt(p_.time.secondsSinceMidnight() + ahead);
            (void)User::choose(f_.Combo1, when.substr(0, 2));
            (void)User::choose(f_.Combo2, when.substr(3, 2));
            (void)User::choose(f_.Combo3, when.substr(6, 2));
        } else if (User::canReach(f_.Combo4)) {
            when = tk::clockTextAt(ahead + 28);
            (void)User::choose(f_.Combo4, when.substr(0, 2));
            (void)User::choose(f_.Combo5, when.substr(3, 2));
            (void)User::choose(f_.Combo6, when.substr(6, 2));
        }
        note("pick soon " + when);
    }

    void note(const std::string& what) { history_ << what << '\n'; }

    std::string check() {
        const bool panelOpen = f_.Frame2.visible() || f_.Frame4.visible() || f_.Frame5.visible();
        if (!panelOpen && (f_.height() != 4110 || f_.width() != 5745 ||
                           f_.Frame1.geometry() != tk::Rect{120, 360, 5535, 735} ||
                           f_.Frame3.geometry() != tk::Rect{120, 1120, 5535, 2895})) {
            return "layout not back to its design with every panel closed";
        }
        if (f_.Frame2.visible() && f_.Command5.visible() == f_.Command18.visible()) {
            return "not exactly one of 开始任务 and 继续任务";
        }
        const std::string& log = f_.Text1.text();
        if (log.size() < log_.size() ||
            log.compare(log.size() - log_.size(), log_.size(), log_) != 0) {
            return "the log lost or changed older text";
        }
        const std::string added = log.substr(0, log.size() - log_.size());
        log_ = log;

        const auto& boxes = p_.boxes.shown();
        for (int n = 1; n <= 4; ++n) {
            const std::string name = std::to_string(n);
            tk::CommandButton& button = *std::array{&f_.Command1, &f_.Command2, &f_.Command3,
                                                    &f_.Command4}[static_cast<std::size_t>(n - 1)];
            const bool running = app_.tasks.isRunning(n);
            if ((button.caption() == "任务" + name + "(进行)") != running) {
                return "slot " + name + "'s caption disagrees with its timer";
            }
            int& open = outstanding_[static_cast<std::size_t>(n - 1)];
            for (std::size_t at = 0;
                 (at = added.find("->任务" + name + "开始", at)) != std::string::npos; ++at) {
                ++open;
            }
            for (std::size_t i = boxesSeen_; i < boxes.size(); ++i) {
                if (boxes[i].text == "任务" + name + "提醒" && --open < 0) {
                    return "slot " + name + " delivered twice";
                }
            }
            if (wasRunning_[static_cast<std::size_t>(n - 1)] && !running && open == 1) --open;
            if (open != (running ? 1 : 0)) return "slot " + name + " lost track of its task";
            wasRunning_[static_cast<std::size_t>(n - 1)] = running;
        }
        boxesSeen_ = boxes.size();
        return {};
    }

    // Lets time run to each running task's due second in turn, without
    // ticking through the hours in between.
    void deliverEverything() {
        p_.boxes.setFallback([](const tk::testing::BoxRecord&) { return ok(); });
        for (int round = 0; round < 4; ++round) {
            double soonest = 1e9;
            for (int n = 1; n <= 4; ++n) {
                if (!app_.tasks.isRunning(n)) continue;
                soonest = std::min(soonest, due_time::secondsUntil(app_.tasks.slot(n).remindSeconds,
                                                                   p_.time.secondsSinceMidnight()));
            }
            if (soonest > 1e8) return;
            const auto skip = static_cast<std::int64_t>((soonest - 1.5) * 1000);
            if (skip > 0) p_.time.suspend(skip);
            p_.time.advance(3000);
            if (!check().empty()) return;
        }
    }

    std::mt19937 rng_;
    tk::testing::TestPlatform p_;
    App app_{p_.program};
    MainForm& f_ = app_.mainForm;
    std::string log_;
    std::array<int, 4> outstanding_{};
    std::array<bool, 4> wasRunning_{};
    std::size_t boxesSeen_ = 0;
    std::ostringstream history_;
};

TEST(RandomWalk, WhatAPersonCanDoNeverBreaksTheRules) {
    int reminders = 0;
    for (unsigned seed = 1; seed <= 1500; ++seed) {
        Walk walk(seed);
        const std::string broken = walk.run(60);
        if (!broken.empty()) {
            FAIL() << "seed " << seed << ": " << broken << "\nsteps:\n" << walk.history();
        }
        reminders += walk.reminders();
    }
    EXPECT_GT(reminders, 1500) << "the walks must reach deliveries, not only wander";
}

}  // namespace
