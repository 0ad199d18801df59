// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "forms/main_form.h"

class TitleClock;

// The display switches of the settings panel (the clock in the title, the
// hint line, the log's background and text colours), and the click on the
// activity log that ends its blinking. Each switch flips its own flag on
// every click, never reading its check mark. Every start begins with the
// clock off, hints shown and both log colours off.
class DisplaySettings {
public:
    DisplaySettings(MainForm& form, TitleClock& clock);

private:
    // The colour a list's item names; none for anything else, such as a list
    // with no item selected.
    static std::optional<tk::Color> colourNamed(const std::string& name);

    void bind();
    void toggleClock();
    void toggleHints();
    void toggleBackColour();
    void toggleTextColour();
    void stopBlinking();
    void applyBackColour();
    void applyTextColour();

    MainForm& f;
    TitleClock& clock_;
    bool clockShown_ = false;
    bool hintsShown_ = true;
    bool backColourOn_ = false;
    bool textColourOn_ = false;
};
