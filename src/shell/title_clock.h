// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/main_form.h"

// The clock in the main window's heading: the program's name followed by the
// time of day, every second while it runs. A stop waits for the next tick,
// which puts the bare name back; starting again before it withdraws the stop.
class TitleClock {
public:
    explicit TitleClock(MainForm& form);

    void start();
    void requestStop();

private:
    void tick();

    MainForm& form_;
    bool stopRequested_ = false;
};
