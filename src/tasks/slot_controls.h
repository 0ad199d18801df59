// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "forms/main_form.h"
#include "tasks/task_slots.h"

// Slot n's button and poll timer on the main window, n = 1..4.
inline tk::CommandButton& slotButton(MainForm& form, int slot) {
    return *std::array{&form.slotButton1, &form.slotButton2, &form.slotButton3, &form.slotButton4}
                .at(static_cast<std::size_t>(slot - 1));
}

inline tk::Timer& pollTimer(MainForm& form, int slot) {
    return *std::array{&form.slotTimer1, &form.slotTimer2, &form.slotTimer3, &form.slotTimer4}.at(
        static_cast<std::size_t>(slot - 1));
}

// Starts and ends the slots' tasks. Here and nowhere else a slot's running
// state turns into its button's caption and its poll timer, so the three
// never disagree.
class SlotControls {
public:
    // A running slot's poll timer looks at the clock once a second.
    static constexpr int kPollInterval = 1000;

    SlotControls(MainForm& form, TaskSlots& tasks) : form_(form), tasks_(tasks) {}

    void start(int slot, const std::string& title, const std::string& content,
               const due_time::DueTime& due);
    // Delivered or cancelled: the slot waits again, without a password.
    void end(int slot);

private:
    void show(int slot);

    MainForm& form_;
    TaskSlots& tasks_;
};
