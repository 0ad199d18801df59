// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "forms/main_form.h"

// The display switches of the settings panel (the clock in the title, the
// hint line, the log's background and text colours), and the click on the
// activity log that ends its blinking. Each switch flips its own flag on
// every click, never reading its check mark. Every start begins with the
// clock off, hints shown and both log colours off.
class DisplaySettings {
public:
    explicit DisplaySettings(MainForm& form);

    // Set when the clock display is switched off; the clock's next tick
    // carries out the stop and clears it.
    int clockStopRequest() const { return clockStopRequest_; }
    void setClockStopRequest(int value) { clockStopRequest_ = value; }
    int hintsHidden() const { return hintsHidden_; }

    // The colour a list's item names ("黑", "白", "蓝", "绿", "红"); none for
    // anything else, such as a list with no item selected.
    static std::optional<tk::Color> colourNamed(const std::string& name);

private:
    void bind();
    void toggleClock();
    void toggleHints();
    void toggleBackColour();
    void toggleTextColour();
    void stopBlinking();
    void shiftHintBand(int twips);
    void applyBackColour();
    void applyTextColour();

    MainForm& f;
    int clockShown_ = 0;
    int hintsHidden_ = 0;
    int backColourOn_ = 0;
    int foreColourOn_ = 0;
    int clockStopRequest_ = 0;
};
