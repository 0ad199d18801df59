// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

#include "toolkit/services.h"

class QDialog;
class QScreen;

namespace qtview {

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
    // Runs as soon as a reminder's box is on screen: the box brought in front,
    // the sound, the call for attention.
    void setReminderShownHook(std::function<void(QDialog& box)> hook) {
        reminderShownHook_ = std::move(hook);
    }

private:
    int run(QDialog& box, const std::string& title, tk::Alert alert);
    const QScreen* homeScreen() const;
    std::function<void(QDialog&)> shownObserver_;
    std::function<void(QDialog&)> reminderShownHook_;
    std::string emptyTitle_;
    std::function<const QScreen*()> homeScreen_;
};

}  // namespace qtview
