// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <map>
#include <memory>

#include "qt/time_source.h"
#include "toolkit/platform.h"

class QDialog;
class QScreen;

namespace qtview {

class QtClock : public tk::Clock {
public:
    double secondsSinceMidnight() override;
};

// Message and input boxes with no icon, whose buttons read 确定 and 取消
// whatever the system's language.
class QtDialogs : public tk::Dialogs {
public:
    tk::Answer message(const std::string& text, tk::Buttons buttons, const std::string& title,
                       tk::Alert alert, const std::string& spoken) override;
    std::string input(const std::string& prompt, const std::string& title,
                      const std::string& defaultText, tk::Echo echo) override;
    void finishComposing() override;

    // What the title bar of a box with an empty title shows: the program's name.
    void setNameForEmptyTitles(const std::string& name) { emptyTitle_ = name; }
    // Boxes come centred on this screen, whole on its work area, whatever the
    // state of the window that asks (minimised, behind others).
    void setHomeScreen(std::function<const QScreen*()> screen) { homeScreen_ = std::move(screen); }
    // The one way in for what drives the real program from outside: the
    // tests, the benchmarks and the screenshot script watch and answer its
    // boxes here. `observer` is told of every box once it is on screen, inside
    // the box's own event loop, before a reminder's sound; the program itself
    // observes none.
    void observeShownBoxes(std::function<void(QDialog&)> observer) {
        shownObserver_ = std::move(observer);
    }
    // Runs as soon as a reminder's box is on screen: the sound, the call for attention.
    void setReminderShownHook(std::function<void()> hook) { reminderShownHook_ = std::move(hook); }

private:
    int run(QDialog& box, const std::string& title, tk::Alert alert);
    const QScreen* homeScreen() const;
    std::function<void(QDialog&)> shownObserver_;
    std::function<void()> reminderShownHook_;
    std::string emptyTitle_;
    std::function<const QScreen*()> homeScreen_;
};

// Window timers. A timer whose interval is a whole number of seconds ticks
// first one interval after it is armed, then just after each turn of the wall
// clock's second (re-aimed at every tick), so that handlers which read the
// clock see each new second at once rather than up to a second late. Timers
// aimed at the same turn share one wake-up, and tick in the order they were
// armed.
class QtTimers : public tk::TimerService {
public:
    static constexpr int kAfterTurnMs = 2;

    explicit QtTimers(TimeSource& time = systemTime());
    ~QtTimers() override;

    void arm(tk::Timer& timer) override;
    void disarm(tk::Timer& timer) override;

private:
    // What a timer's own wake-up does: the first tick after arming, and every
    // tick of a timer not aimed at the second.
    void wake(tk::Timer& timer);
    // What the wake-up shared by the timers aimed at the second does.
    void wakeAligned();
    struct Entry {
        std::unique_ptr<WakeUp> own;
        qint64 aim = 0;           // the turn of the second (ms since the epoch) it waits for, or 0
        std::uint64_t armed = 0;  // when it was armed, in arming order
    };
    void aimAtTheSecond(const tk::Timer& timer, Entry& entry, qint64 now);
    void leaveTheSecond(Entry& entry);
    void scheduleAligned(qint64 now);

    TimeSource& time_;
    std::map<tk::Timer*, Entry, std::less<>> entries_;
    std::unique_ptr<WakeUp> alignedWakeup_;
    std::uint64_t armings_ = 0;
};

class QtLifetime : public tk::Lifetime {
public:
    // The process ends with status 0 once the event loop has returned.
    void endProcess() override;
};

struct QtPlatform {
    QtClock clock;
    QtDialogs dialogs;
    QtTimers timers;
    QtLifetime lifetime;
    tk::Platform platform() { return {clock, dialogs, timers, lifetime}; }
};

// Application-wide settings: the style the palettes are drawn with, the
// default font, and no quitting when a box closes before any window is shown.
void prepareApplication();

}  // namespace qtview
