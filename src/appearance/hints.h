// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/main_form.h"

// The hint line. Each control of the table carries its hint; moving the mouse
// over it writes that hint into the hint line, on every move, whether the
// line is shown or hidden. Hints that depend on state (取消任务, 退出) and the
// confirmation box's hint, which follows its text, are bound by the
// subsystems that own them.
class Hints {
public:
    explicit Hints(MainForm& form);

private:
    MainForm& form_;
};
