// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "security/settings_panel.h"

#include "forms/panel_layout.h"
#include "security/exit_password.h"
#include "toolkit/program.h"

SettingsPanel::SettingsPanel(MainForm& form, const ExitPassword& lock) : f(form), lock_(lock) {
    f.openSettings.onClick.bind([this] { open(); });
    f.closeSettings.onClick.bind([this] { close(); });
}

// A wrong, empty or cancelled answer leaves the panel closed without a word.
void SettingsPanel::open() {
    const std::string& password = lock_.exitPassword();
    if (!password.empty() &&
        f.program().inputBox("需要密码", "", "", tk::Echo::Secret) != password) {
        return;
    }
    f.slotArea.setEnabled(false);
    f.workArea.setEnabled(false);
    f.displayPanel.setEnabled(true);
    f.exitPasswordArea.setEnabled(true);
    panel_layout::widenForSettings(f, panel_layout::kSettingsPanel);
}

void SettingsPanel::close() {
    f.slotArea.setEnabled(true);
    f.workArea.setEnabled(true);
    f.displayPanel.setEnabled(false);
    f.exitPasswordArea.setEnabled(false);
    panel_layout::narrowFromSettings(f, panel_layout::kSettingsPanel);
}
