// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appearance/help.h"

#include "toolkit/program.h"

Help::Help(MainForm& form) : f(form) {
    f.help.onClick.bind([this] { showHelp(); });
}

void Help::showHelp() {
    f.program().messageBox("自己去体会", tk::Buttons::Ok, "");
}
