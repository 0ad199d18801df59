// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>

#include "forms/main_form.h"

// Slot n's button and poll timer on the main window, n = 1..4.
inline tk::CommandButton& slotButton(MainForm& f, int n) {
    return *std::array{&f.slotButton1, &f.slotButton2, &f.slotButton3, &f.slotButton4}.at(
        static_cast<std::size_t>(n - 1));
}

inline tk::Timer& pollTimer(MainForm& f, int n) {
    return *std::array{&f.slotTimer1, &f.slotTimer2, &f.slotTimer3, &f.slotTimer4}.at(
        static_cast<std::size_t>(n - 1));
}

// A running slot's poll timer looks at the clock once a second.
constexpr int kPollInterval = 1000;
