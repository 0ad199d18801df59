// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "forms/log_look.h"
#include "forms/main_form.h"

class TitleClock;

// The display switches of the settings panel: the clock in the title, the
// hint line, the log's background and text colours. Each switch flips its
// own flag on every click, never reading its check mark. Every start begins
// with the clock off, hints shown and both log colours off.
class DisplaySettings {
public:
    DisplaySettings(MainForm& form, TitleClock& clock, LogLook& logLook);

private:
    // The colour a list's item names; none for anything else, such as a list
    // with no item selected.
    static std::optional<tk::Color> colourNamed(const std::string& name);

    // A check box that colours one channel of the log from its list.
    struct ColourSetting {
        tk::ComboBox& list;
        LogLook::Channel channel;
        bool on = false;
    };

    void bind();
    void toggleClock();
    void toggleHints();
    void toggleColour(ColourSetting& setting);
    void applyColour(ColourSetting& setting);

    MainForm& form_;
    TitleClock& clock_;
    LogLook& logLook_;
    bool clockShown_ = false;
    bool hintsShown_ = true;
    ColourSetting backColour_{form_.backColourList, LogLook::Channel::Back};
    ColourSetting textColour_{form_.textColourList, LogLook::Channel::Text};
};
