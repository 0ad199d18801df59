// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A person doing random things with fixed seeds, checking after every step
// what must always hold: used by the test (many short walks) and by the soak
// benchmark (a million steps).
#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "tasks/due_time.h"
#include "toolkit/clock_text.h"
#include "toolkit/testing/test_services.h"
#include "toolkit/testing/user.h"

// What the walks reached, summed over walks.
struct Coverage {
    std::set<std::string> handlers;          // "Form1.Command5.Click", ...
    std::map<std::string, long> situations;  // panels opened, window minimised, ...
    std::map<std::string, long> endings;     // how each walk's last step went
};

class Walk {
public:
    using Reply = tk::testing::Reply;
    using User = tk::testing::User;
    explicit Walk(unsigned seed) : rng_(seed) {
        p_.boxes.setFallback([this](const tk::testing::BoxRecord& box) { return answer(box); });
        p_.boxes.reply(tk::testing::ok());
        app_.start();
        p_.time.advance(3000);
        p_.time.setTimeOfDay(pick(0, 23), pick(0, 59), pick(0, 59), pick(0, 999));
        rememberLog(f_.logBox.text());
        left_ = f_.left();
        myPassword_ = anyWord();
    }

    // Runs `steps` random actions, lets every task fall due, then leaves the
    // program by one of its routes; returns the first broken rule, or "".
    std::string run(int steps) {
        for (int i = 0; i < steps; ++i) {
            act();
            if (std::string broken = check(); !broken.empty()) return broken;
        }
        deliverEverything();
        for (int n = 1; n <= 4; ++n) {
            if (outstanding_[n - 1] != 0) return "slot " + std::to_string(n) + " never delivered";
        }
        if (std::string broken = check(); !broken.empty()) return broken;
        leave();
        return checkEnd();
    }

    std::string history() const { return history_.str(); }
    void recordInto(Coverage& coverage) { coverage_ = &coverage; }
    static std::set<std::string> boundHandlers(App& app) {
        std::set<std::string> bound;
        for (const tk::Form* form : {static_cast<const tk::Form*>(&app.mainForm()),
                                     static_cast<const tk::Form*>(&app.gameForm())}) {
            for (const auto& c : form->controls()) {
                const std::string name = form->name() + "." + c->name();
                if (c->onClick.bound()) bound.insert(name + ".Click");
                if (c->onMouseMove.bound()) bound.insert(name + ".MouseMove");
                if (c->kind() == tk::Kind::TextBox &&
                    static_cast<const tk::TextBox&>(*c).onChange.bound()) {
                    bound.insert(name + ".Change");
                }
            }
        }
        return bound;
    }
    App& app() { return app_; }
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

    static constexpr std::array<const char*, 5> kWords{"a", "A", "密码", " ", "提醒"};
    std::string anyWord() { return kWords[static_cast<std::size_t>(pick(0, 4))]; }

    // OK or Cancel; an input box gets one of the words that are typed into
    // the password boxes, or nothing, and the game's box now and then its code.
    Reply answer(const tk::testing::BoxRecord& box) {
        Reply reply = pick(0, 1) == 0 ? tk::testing::ok() : tk::testing::cancel();
        if (pick(0, 3) != 0) reply.text = pick(0, 1) == 0 ? myPassword_ : anyWord();
        if (box.text == "请输入密码：" && pick(0, 1) == 0) reply.text = "WEN4817";
        if (pick(0, 2) == 0) {
            const int ms = pick(0, 2500);
            reply.whileOpen = [this, ms] { p_.time.advance(ms); };
        }
        return reply;
    }

    // What can be reached of the given kind, in the main window and the game's.
    std::vector<tk::Control*> reachable(tk::Kind kind) {
        std::vector<tk::Control*> found;
        for (const tk::Form* form : {static_cast<tk::Form*>(&f_), static_cast<tk::Form*>(&g_)}) {
            for (const auto& c : form->controls()) {
                if (c->kind() == kind && User::canReach(*c)) found.push_back(c.get());
            }
        }
        return found;
    }

    void act() {
        const int roll = pick(0, 99);
        history_ << p_.program.clockText() << ' ';
        if (roll < 30) {
            auto buttons = reachable(tk::Kind::CommandButton);
            std::erase(buttons, &f_.quit);  // leaving is the walk's last step
            // Boxes too: the game's cells, and the log that may be blinking.
            for (tk::Kind kind : {tk::Kind::OptionButton, tk::Kind::CheckBox, tk::Kind::TextBox}) {
                auto more = reachable(kind);
                buttons.insert(buttons.end(), more.begin(), more.end());
            }
            if (buttons.empty()) return note("nothing to click");
            tk::Control& c = anyOf(buttons);
            note("click " + c.form().name() + "." + c.name());
            revealing_ = &c == &g_.answer;
            const bool blinking = &c == &f_.logBox && f_.blinkTimer.interval() != 0;
            const auto cell = std::find(g_.cells.begin(), g_.cells.end(), &c);
            if (User::click(c)) {
                reached(c, "Click");
                if (cell != g_.cells.end())
                    placed_[static_cast<std::size_t>(cell - g_.cells.begin())] = true;
                if (blinking) seen("the log clicked while blinking");
            }
        } else if (roll < 45) {
            auto combos = reachable(tk::Kind::ComboBox);
            if (combos.empty()) return note("no list");
            auto& combo = static_cast<tk::ComboBox&>(anyOf(combos));
            const int item = pick(0, static_cast<int>(combo.items().size()) - 1);
            note("choose " + combo.name() + " " + combo.items()[static_cast<std::size_t>(item)]);
            if (User::choose(combo, item)) reached(combo, "Click");
        } else if (roll < 57) {
            auto boxes = reachable(tk::Kind::TextBox);
            if (boxes.empty()) return note("no box");
            auto& box = static_cast<tk::TextBox&>(anyOf(boxes));
            const std::string word = anyWord();
            const bool over = pick(0, 3) == 0;
            note((over ? "retype " : "type ") + box.name() + " '" + word + "'");
            if (over ? User::retype(box, word) : User::type(box, word)) reached(box, "Change");
        } else if (roll < 59) {
            note("enter");
            (void)User::pressEnter(f_);
        } else if (roll < 60) {
            note("restore from the task bar");
            User::restoreFromTaskBar(f_);
        } else if (roll < 64) {
            auto all = reachable(tk::Kind::CommandButton);
            for (tk::Kind kind : {tk::Kind::OptionButton, tk::Kind::TextBox}) {
                auto more = reachable(kind);
                all.insert(all.end(), more.begin(), more.end());
            }
            if (all.empty()) return note("nothing to hover");
            tk::Control& c = anyOf(all);
            note("hover " + c.name());
            if (User::hover(c)) reached(c, "MouseMove");
        } else if (roll < 82) {
            const int ms = pick(1, 90) * 1000 + pick(0, 999);
            note("wait " + std::to_string(ms) + " ms");
            p_.time.advance(ms);
        } else if (roll == 84 && pick(0, 9) == 0) {
            const int hours = pick(1, 72);
            note("asleep " + std::to_string(hours) + " h");
            p_.time.suspend(static_cast<std::int64_t>(hours) * 3'600'000);
            p_.time.advance(1000);  // awake: what fell due meanwhile comes now
            seen("the machine asleep");
        } else if (roll < 84) {
            const int ms = pick(1, 3) * 3'600'000;
            note("wait " + std::to_string(ms / 3'600'000) + " h");
            p_.time.advance(ms);
        } else if (roll < 92) {
            pickSoonDueTime();
        } else {
            typeMyPassword();
        }
    }

    // A person keeps to one password of their own, types it wherever a
    // password box is open, and often confirms with Enter.
    void typeMyPassword() {
        const bool enter = pick(0, 1) == 0;
        note("my password '" + myPassword_ + "' into every open password box" +
             (enter ? ", enter" : ""));
        for (const auto& control : f_.controls()) {
            if (control->kind() != tk::Kind::TextBox) continue;
            auto& box = static_cast<tk::TextBox&>(*control);
            if (box.password()) (void)User::retype(box, myPassword_);
        }
        if (enter) (void)User::pressEnter(f_);
    }

    // What a person who wants a reminder soon does: content, then a time a few
    // seconds or minutes ahead.
    void pickSoonDueTime() {
        if (User::canReach(f_.contentBox) && f_.contentBox.text().empty())
            (void)User::type(f_.contentBox, "事");
        const int ahead = pick(2, 150);
        std::string when;
        if (User::canReach(f_.clockHour)) {
            when = tk::clockTextAt(p_.time.now().local.secondsOfDay + ahead);
            (void)User::choose(f_.clockHour, when.substr(0, 2));
            (void)User::choose(f_.clockMinute, when.substr(3, 2));
            (void)User::choose(f_.clockSecond, when.substr(6, 2));
        } else if (User::canReach(f_.durationHours)) {
            when = tk::clockTextAt(ahead + 28);
            (void)User::choose(f_.durationHours, when.substr(0, 2));
            (void)User::choose(f_.durationMinutes, when.substr(3, 2));
            (void)User::choose(f_.durationSeconds, when.substr(6, 2));
        }
        note("pick soon " + when);
    }

    void note(const std::string& what) { history_ << what << '\n'; }

    // Whether one of the log entries in `added` ends in `tail` (an entry is
    // followed by the next one's line break, or by the end of what was added).
    static bool hasEntryEndingIn(const std::string& added, const std::string& tail) {
        for (std::size_t at = added.find(tail); at != std::string::npos;
             at = added.find(tail, at + 1)) {
            const std::size_t after = at + tail.size();
            if (after == added.size() || added.compare(after, 2, "\r\n") == 0) return true;
        }
        return false;
    }

    std::string check() {
        // Each open panel adds its own amount, and nothing else moves.
        const int grown = 2160 * f_.taskPanel.visible() + 1300 * f_.passwordPanel.visible() +
                          1300 * f_.cancelPanel.visible();
        const int widened =
            f_.slotArea.enabled() ? 0 : 4230;              // only the settings panel disables it
        const int band = f_.hintLine.visible() ? 0 : 240;  // the hidden hint line's strip
        if (f_.height() != 4110 + grown - band || f_.width() != 5745 + widened ||
            f_.left() != left_ - widened ||
            f_.slotArea.geometry() != tk::Rect{120, 360, 5535, 735 + grown} ||
            f_.workArea.geometry() != tk::Rect{120, 1120 + grown, 5535, 2895 - band} ||
            f_.hideWindow.top() != 480 - band || f_.quit.top() != 480 - band ||
            f_.logBox.top() != 960 - band) {
            return "layout not what its open panels make it";
        }
        if (coverage_ != nullptr) {
            if (f_.taskPanel.visible()) seen("the task panel");
            if (f_.passwordPanel.visible()) seen("the password panel");
            if (f_.cancelPanel.visible()) seen("the cancel panel");
            if (widened != 0) seen("the settings panel");
            if (g_.visible()) seen("the game window");
            if (!f_.hintLine.visible()) seen("the hint line hidden");
            if (f_.windowState() == tk::WindowState::Minimized) seen("the main window minimised");
        }
        if (!app_.exitPassword().empty() && f_.exitPasswordOn.value() == 0) {
            return "an exit password in force while the protection is off";
        }
        if (f_.taskPanel.visible() && f_.startTask.visible() == f_.continueTask.visible()) {
            return "not exactly one of 开始任务 and 继续任务";
        }
        const std::string& log = f_.logBox.text();
        if (!endsWithOldLog(log)) return "the log lost or changed older text";
        const std::string added = log.substr(0, log.size() - oldLogSize_);
        rememberLog(log);

        const auto& boxes = p_.boxes.shown();
        for (int n = 1; n <= 4; ++n) {
            const std::string name = std::to_string(n);
            tk::CommandButton& button = slotButton(f_, n);
            const bool running = app_.tasks().isRunning(n);
            if ((button.caption() == "任务" + name + "(进行)") != running) {
                return "slot " + name + "'s caption disagrees with its state";
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
            const bool delivered =
                std::any_of(boxes.begin() + static_cast<std::ptrdiff_t>(boxesSeen_), boxes.end(),
                            [&](const auto& box) { return box.text == "任务" + name + "提醒"; });
            const bool cancelled = hasEntryEndingIn(added, "->任务" + name + "取消");
            if ((delivered || cancelled) && !app_.tasks().slot(n).password.empty()) {
                return "slot " + name + " kept its password past its end";
            }
            if (running && due_time::lateness(app_.tasks().slot(n).due, p_.time.now()) > 1) {
                return "slot " + name + " let its due moment pass";
            }
            if (wasRunning_[static_cast<std::size_t>(n - 1)] && !running && open == 1) --open;
            if (open != (running ? 1 : 0)) return "slot " + name + " lost track of its task";
            wasRunning_[static_cast<std::size_t>(n - 1)] = running;
        }
        if (std::string broken = checkGame(); !broken.empty()) return broken;
        for (std::size_t i = boxesSeen_; i < boxes.size(); ++i) {
            // Every input box asks for a password, but the game's access code.
            if (boxes[i].input && boxes[i].text != "请输入密码：" &&
                (boxes[i].echo != tk::Echo::Secret || !boxes[i].defaultText.empty())) {
                return "a password was asked for in clear: " + boxes[i].text;
            }
            if ((boxes[i].alert == tk::Alert::Reminder) != boxes[i].text.ends_with("提醒")) {
                return "a box rang that is no reminder, or a reminder did not: " + boxes[i].text;
            }
        }
        boxesSeen_ = boxes.size();
        return {};
    }

    struct GameState {
        int hiddenDigits = 0;
        int filledCells = 0;
        bool digitChosen = false;  // some cell takes a click
        bool operator==(const GameState&) const = default;
    };
    GameState gameState() const {
        GameState state;
        for (int k = 1; k <= 9; ++k) {
            state.hiddenDigits += !g_.digit(k).visible();
            state.filledCells += placed_[static_cast<std::size_t>(k - 1)];
            state.digitChosen = state.digitChosen || g_.cell(k).enabled();
        }
        return state;
    }

    // Each digit once per game; a hidden digit button for every filled cell,
    // and one more while a digit is chosen, which opens the empty cells alone;
    // a reveal changes neither.
    std::string checkGame() {
        const bool wiped = std::all_of(g_.cells.begin(), g_.cells.end(), [](const tk::TextBox* c) {
            return c->text().empty() && c->backColor() == look::kGrey;
        });
        if (wiped) placed_.fill(false);
        const GameState state = gameState();
        if (revealing_ && !(state == lastGame_)) return "the answer changed the game";
        revealing_ = false;
        if (state.hiddenDigits != state.filledCells + (state.digitChosen ? 1 : 0)) {
            return "hidden digits and filled cells disagree";
        }
        if (state.filledCells == 0) placedDigits_.clear();  // a new game
        for (int i = 1; i <= 9; ++i) {
            const bool filled = placed_[static_cast<std::size_t>(i - 1)];
            const bool wasFilled =
                std::exchange(filledBefore_[static_cast<std::size_t>(i - 1)], filled);
            if (state.digitChosen && g_.cell(i).enabled() == filled)
                return "a chosen digit opens other cells than the empty ones";
            if (!filled || wasFilled) continue;
            const std::string& digit = g_.cell(i).text();
            if (std::find(placedDigits_.begin(), placedDigits_.end(), digit) !=
                placedDigits_.end()) {
                return "digit " + digit + " placed twice in one game";
            }
            placedDigits_.push_back(digit);
        }
        lastGame_ = state;
        return {};
    }

    // 退出, answered at random, or closing the window by the window system.
    void leave() {
        history_ << p_.program.clockText() << ' ';
        scoldingsBefore_ = scoldings();
        if (pick(0, 3) == 0) {
            note("close the window");
            byClosing_ = true;
            User::closeWindow(f_);
            ended("closed by the window system");
            return;
        }
        // Boxes answered at random again, the exit password's prompt too.
        p_.boxes.setFallback([this](const tk::testing::BoxRecord& box) { return answer(box); });
        // From wherever the walk stopped: panels closed as a person would.
        User::restoreFromTaskBar(f_);
        for (tk::CommandButton* close :
             {&f_.closeSettings, &f_.dismissPassword, &f_.dismissCancel, &f_.continueTask}) {
            (void)User::click(*close);
        }
        note(std::string("退出") + (User::canReach(f_.quit) ? "" : " (out of reach)"));
        const bool protectedExit = !app_.exitPassword().empty();
        if (!User::click(f_.quit)) return ended("退出 out of reach");
        reached(f_.quit, "Click");
        ended(std::string(p_.program.ended() ? "ended by 退出" : "stayed after 退出") +
              (protectedExit ? " with a password" : ""));
    }

    void reached(const tk::Control& c, const char* event) {
        if (coverage_ != nullptr)
            coverage_->handlers.insert(c.form().name() + "." + c.name() + "." + event);
    }
    void seen(const std::string& situation) {
        if (coverage_ != nullptr) ++coverage_->situations[situation];
    }
    void ended(const std::string& how) {
        if (coverage_ != nullptr) ++coverage_->endings[how];
    }

    // The log only grows at its top: what it held before must stand, unchanged,
    // at its end. Compared at both ends of that text, so that the check stays
    // cheap however long a walk makes the log.
    static constexpr std::size_t kCompared = 4096;
    bool endsWithOldLog(const std::string& log) const {
        if (log.size() < oldLogSize_) return false;
        const std::size_t from = log.size() - oldLogSize_;
        const std::size_t head = std::min(kCompared, oldLogSize_);
        return log.compare(from, head, oldLogHead_) == 0 &&
               log.compare(log.size() - oldLogTail_.size(), oldLogTail_.size(), oldLogTail_) == 0;
    }
    void rememberLog(const std::string& log) {
        oldLogSize_ = log.size();
        oldLogHead_ = log.substr(0, std::min(kCompared, log.size()));
        oldLogTail_ = log.substr(log.size() - std::min(kCompared, log.size()));
    }

    int scoldings() const {
        return static_cast<int>(
            std::count_if(p_.boxes.shown().begin(), p_.boxes.shown().end(),
                          [](const auto& box) { return box.title == "鄙视+ing"; }));
    }

    // Closing always ends, with the scolding; 退出 ends or not, never with it.
    std::string checkEnd() {
        const bool ended = p_.program.ended();
        if (byClosing_ && (!ended || scoldings() != scoldingsBefore_ + 1)) {
            return "closing the window did not scold and end";
        }
        if (!byClosing_ && scoldings() != scoldingsBefore_) return "退出 scolded";
        if (!ended) return check();
        if (p_.lifetime.ends != 1 || f_.visible() || g_.visible() || app_.splashForm().visible()) {
            return "the end left something behind";
        }
        if (p_.time.anyArmed()) return "a timer runs past the end";
        ++endings_;
        return {};
    }

public:
    int endings() const { return endings_; }

private:
    // Lets time run to each running task's due second in turn, without
    // ticking through the hours in between.
    void deliverEverything() {
        p_.boxes.setFallback([](const tk::testing::BoxRecord&) { return tk::testing::ok(); });
        for (int round = 0; round < 4; ++round) {
            double soonest = 1e9;
            for (int n = 1; n <= 4; ++n) {
                if (!app_.tasks().isRunning(n)) continue;
                soonest = std::min(soonest, due_time::secondsUntil(app_.tasks().slot(n).due,
                                                                   p_.time, p_.time.now()));
            }
            if (soonest > 1e8) return;
            const auto skip = static_cast<std::int64_t>((soonest - 1.5) * 1000);
            if (skip > 0) p_.time.suspend(skip);
            p_.time.advance(3000);
            if (!check().empty()) return;
        }
    }

    std::mt19937 rng_;
    tk::testing::TestServices p_;
    App app_{p_.program};
    MainForm& f_ = app_.mainForm();
    GameForm& g_ = app_.gameForm();
    bool revealing_ = false;
    GameState lastGame_;
    // The cells this person put a digit in since the board was last seen
    // wiped, every cell grey and empty: a reveal paints over them but they
    // stay filled.
    std::array<bool, 9> placed_{};
    std::array<bool, 9> filledBefore_{};
    std::vector<std::string> placedDigits_;
    std::size_t oldLogSize_ = 0;
    std::string oldLogHead_;
    std::string oldLogTail_;
    Coverage* coverage_ = nullptr;
    std::array<int, 4> outstanding_{};
    std::array<bool, 4> wasRunning_{};
    std::size_t boxesSeen_ = 0;
    int left_ = 0;
    std::string myPassword_;
    bool byClosing_ = false;
    int scoldingsBefore_ = 0;
    int endings_ = 0;
    std::ostringstream history_;
};
