// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/main_form.h"

// The help button (帮助): a box saying the program is learnt by using it.
class Help {
public:
    explicit Help(MainForm& form);

private:
    void showHelp();

    MainForm& form_;
};
