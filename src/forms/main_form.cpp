// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/main_form.h"

#include "forms/identity.h"

MainForm::MainForm(tk::Program& program)
    : tk::Form(program, "Form1",
               {.caption = "青竹白鹭2",
                .width = 5745,
                .height = 4110,
                .back = look::kGrey,
                .icon = "icon",
                .sizable = true,
                .minimizedByProgram = true}) {
    setDefaultButton(startTask);
}

std::string MainForm::initialLog() {
    return "\r\n" + std::string(22, ' ') + identity::kName + "\r\n";
}
