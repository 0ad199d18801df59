// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "security/settings_panel.h"

#include "forms/panel_layout.h"
#include "security/exit_password.h"
#include "toolkit/program.h"

SettingsPanel::SettingsPanel(MainForm& form, const ExitPassword& lock) : form_(form), lock_(lock) {
    form_.openSettings.onClick.bind([this] { open(); });
    form_.closeSettings.onClick.bind([this] { close(); });
}

// A wrong, empty or cancelled answer leaves the panel closed without a word.
void SettingsPanel::open() {
    const std::string& password = lock_.exitPassword();
    if (!password.empty() &&
        form_.program().inputBox("需要密码", "", "", tk::Echo::Secret) != password) {
        return;
    }
    form_.slotArea.setEnabled(false);
    form_.workArea.setEnabled(false);
    form_.displayPanel.setEnabled(true);
    form_.exitPasswordArea.setEnabled(true);
    panel_layout::widenForSettings(form_, panel_layout::kSettingsPanel);
}

void SettingsPanel::close() {
    form_.slotArea.setEnabled(true);
    form_.workArea.setEnabled(true);
    form_.displayPanel.setEnabled(false);
    form_.exitPasswordArea.setEnabled(false);
    panel_layout::narrowFromSettings(form_, panel_layout::kSettingsPanel);
}
