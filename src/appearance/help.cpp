// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appearance/help.h"

#include "toolkit/program.h"

Help::Help(MainForm& form) : form_(form) {
    form_.help.onClick.bind([this] { showHelp(); });
}

void Help::showHelp() {
    form_.program().messageBox("自己去体会", tk::Buttons::Ok, "");
}
