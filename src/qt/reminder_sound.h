// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

struct ca_context;

namespace qtview {

// The desktop's event sound for a reminder ("alarm-clock-elapsed", or "bell"
// where the theme has none), played through libcanberra, the library desktops
// play event sounds with, in the person's sound theme and only when event
// sounds are switched on. The library is loaded at the first reminder, not at
// start-up, and only once a sound server is there to play it: without one, the
// sound server's client library would make folders for one in the home
// folder. Whatever is missing, the reminder goes on in silence.
class ReminderSound {
public:
    // How sound servers' mixers name and show the program's stream.
    ReminderSound(std::string name, std::string desktopId)
        : name_(std::move(name)), desktopId_(std::move(desktopId)) {}
    ~ReminderSound();
    ReminderSound(const ReminderSound&) = delete;
    ReminderSound& operator=(const ReminderSound&) = delete;

    void play();

private:
    bool load();

    using Play = int (*)(ca_context*, std::uint32_t, ...);
    using ChangeProperties = int (*)(ca_context*, ...);
    using Destroy = int (*)(ca_context*);

    std::string name_;
    std::string desktopId_;
    void* library_ = nullptr;
    ca_context* context_ = nullptr;
    Play play_ = nullptr;
    ChangeProperties changeProperties_ = nullptr;
    Destroy destroy_ = nullptr;
};

}  // namespace qtview
