// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>

namespace qtview {

// The desktop's own sound for a reminder, played without waiting for it, and
// only where the person has event sounds switched on. Whatever is missing,
// the reminder goes on in silence.
// - Linux: the event sound "alarm-clock-elapsed" ("bell" where the theme has
//   none) in the person's sound theme, through libcanberra, the library
//   desktops play event sounds with. It is loaded at the first reminder, not
//   at start-up, and only once a sound server is there to play it: without
//   one, the sound server's client library would make folders for one in the
//   home folder.
// - Windows: the sound scheme's reminder ("Notification.Reminder", else the
//   default notification), silent where the scheme gives it no sound.
class ReminderSound {
public:
    // How sound servers' mixers name and show the program's stream.
    ReminderSound(std::string name, std::string desktopId);
    ~ReminderSound();
    ReminderSound(const ReminderSound&) = delete;
    ReminderSound& operator=(const ReminderSound&) = delete;

    void play();

private:
    struct Player;
    std::unique_ptr<Player> player_;
};

}  // namespace qtview
