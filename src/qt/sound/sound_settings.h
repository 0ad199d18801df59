// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace qtview {

// What the person chose for event sounds in the desktop's settings: whether
// they play at all, and the sound theme. GNOME, Xfce, MATE and the like
// publish both through their settings daemon (XSETTINGS, read by every GTK
// program as well); without one, sounds play from the freedesktop theme.
struct SoundSettings {
    bool enabled = true;
    std::string theme = "freedesktop";
};

// Read from the X server; the defaults where there is none or no daemon.
SoundSettings desktopSoundSettings();

// The two settings out of the XSETTINGS property's bytes; what they lack,
// or cannot be read, stays as in `found`.
SoundSettings parseSoundSettings(std::string_view property, SoundSettings found = {});

}  // namespace qtview
