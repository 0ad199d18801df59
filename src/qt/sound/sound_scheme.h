// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <string>

namespace qtview {

// The file the person's sound scheme plays for an event ("Notification.
// Reminder"), empty where they switched the event's sound off, none where
// this Windows has no such event.
using SchemeSound = std::function<std::optional<std::wstring>(const std::wstring& event)>;

// The event whose sound a reminder plays: the reminder's own, else, on a
// Windows without it, the default notification; none (silence) where the
// scheme gives that event no sound.
std::optional<std::wstring> reminderEvent(const SchemeSound& scheme);

// The current sound scheme in the registry (HKEY_CURRENT_USER\AppEvents).
std::optional<std::wstring> currentSchemeSound(const std::wstring& event);

}  // namespace qtview
