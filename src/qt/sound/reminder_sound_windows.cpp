// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

#include "qt/sound/reminder_sound.h"
#include "qt/sound/sound_scheme.h"

namespace qtview {

namespace {
// SND_SYSTEM, which MinGW's headers lack: played as a system sound, at the
// volume of system sounds.
constexpr DWORD kAsSystemSound = 0x00200000;
}  // namespace

// Nothing to load: the system plays the scheme's sounds.
struct ReminderSound::Player {};

ReminderSound::ReminderSound(std::string, std::string) : player_(new Player) {}

ReminderSound::~ReminderSound() = default;

void ReminderSound::play() {
    if (const std::optional<std::wstring> event = reminderEvent(currentSchemeSound)) {
        PlaySoundW(event->c_str(), nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT | kAsSystemSound);
    }
}

}  // namespace qtview
