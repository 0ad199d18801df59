// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include "qt/sound/sound_scheme.h"

namespace qtview {

std::optional<std::wstring> reminderEvent(const SchemeSound& scheme) {
    for (const wchar_t* event : {L"Notification.Reminder", L"Notification.Default"}) {
        const std::optional<std::wstring> sound = scheme(event);
        if (!sound) continue;
        if (sound->empty()) return std::nullopt;
        return event;
    }
    return std::nullopt;
}

std::optional<std::wstring> currentSchemeSound(const std::wstring& event) {
    const std::wstring key = L"AppEvents\\Schemes\\Apps\\.Default\\" + event + L"\\.Current";
    const DWORD types = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, types, nullptr, nullptr, &bytes) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring file(bytes / sizeof(wchar_t), L'\0');
    if (bytes > 0 && RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, types, nullptr,
                                  file.data(), &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    file.resize(wcsnlen(file.c_str(), file.size()));
    return file;
}

}  // namespace qtview
