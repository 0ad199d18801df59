// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What only Windows has: the sound scheme a reminder's sound obeys.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "qt/sound/sound_scheme.h"

namespace {

// A scheme as the registry holds it: an event with a file, an event switched
// off (no file), and events this Windows does not know.
std::optional<std::wstring> eventPlayed(const std::map<std::wstring, std::wstring>& scheme) {
    return qtview::reminderEvent([&](const std::wstring& event) -> std::optional<std::wstring> {
        const auto found = scheme.find(event);
        if (found == scheme.end()) return std::nullopt;
        return found->second;
    });
}

TEST(SoundSchemeTest, TheRemindersOwnSoundElseTheDefaultNotificationAndSilenceWhenSwitchedOff) {
    const std::wstring reminder = L"Notification.Reminder";
    const std::wstring fallback = L"Notification.Default";
    EXPECT_EQ(eventPlayed({{reminder, L"Alarm01.wav"}, {fallback, L"Notify.wav"}}), reminder);
    EXPECT_EQ(eventPlayed({{fallback, L"Notify.wav"}}), fallback) << "a Windows without the event";
    EXPECT_EQ(eventPlayed({{reminder, L""}, {fallback, L"Notify.wav"}}), std::nullopt)
        << "the person switched the reminder's sound off";
    EXPECT_EQ(eventPlayed({{reminder, L""}, {fallback, L""}}), std::nullopt) << "no sounds";
    EXPECT_EQ(eventPlayed({}), std::nullopt);
    // The registry of the Wine prefix the tests run in answers too.
    EXPECT_EQ(qtview::currentSchemeSound(L"No.Such.Event"), std::nullopt);
}

}  // namespace
