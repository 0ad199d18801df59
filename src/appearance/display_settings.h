#pragma once

#include <optional>
#include <string>

#include "forms/main_form.h"

// The display switches of the settings panel, and the click on the activity
// log that ends its blinking. Every start begins with the clock off, hints
// shown and both log colours off.
class DisplaySettings {
public:
    explicit DisplaySettings(MainForm& form);

    // Set when the clock display is switched off; the clock's next tick
    // carries out the stop and clears it.
    int clockStopRequest() const { return clockStopRequest_; }
    void setClockStopRequest(int value) { clockStopRequest_ = value; }

    // The colour a list's item names ("黑", "白", "蓝", "绿", "红"); none for
    // anything else, such as a list with no item selected.
    static std::optional<tk::Color> colourNamed(const std::string& name);

private:
    void Text1_Click();
    void applyBackColour();
    void applyForeColour();

    MainForm& f;
    int backColourOn_ = 0;
    int foreColourOn_ = 0;
    int clockStopRequest_ = 0;
};
