// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/main_form.h"

#include "toolkit/clock_text.h"

namespace look {
std::vector<std::string> twoDigitItems(int count) {
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) items.push_back(tk::twoDigits(i));
    return items;
}
}  // namespace look

MainForm::MainForm(tk::Program& program)
    : tk::Form(program, "Form1",
               {.caption = "青竹白鹭2",
                .width = 5745,
                .height = 4110,
                .back = look::kGrey,
                .icon = "icon",
                .sizable = true}) {
    setDefaultButton(startTask);
}

std::string MainForm::initialLog() {
    return "\r\n" + std::string(22, ' ') + "钟约系统\r\n";
}
