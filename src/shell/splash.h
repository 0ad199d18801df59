// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include "forms/splash_form.h"

// Asks the start-up question, then hands over to the main window.
class Splash {
public:
    Splash(SplashForm& form, std::function<void()> showMainWindow);

private:
    void askStartQuestion();
    void handOver();

    SplashForm& form_;
    std::function<void()> showMainWindow_;
};
