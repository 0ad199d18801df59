// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>

#include "forms/main_form.h"

// The activity log's colours, and nobody else's to set: those the display
// settings choose, and the alarm a reminder raises (black, its text blinking
// red and white) until a click on the log ends it and puts the chosen colours
// back.
class LogLook {
public:
    enum class Channel { Back, Text };

    explicit LogLook(MainForm& form);

    // A colour setting is off: the log's own colour, now and after an alarm.
    void useOwnColour(Channel channel);
    // A colour setting calls for this colour, now and after an alarm.
    void use(Channel channel, tk::Color colour);
    // A colour setting is on with nothing chosen: the log keeps what it
    // shows, alarm colours included, now and after an alarm.
    void keepShownColour(Channel channel);

    void raiseAlarm();

private:
    // The text colour the log was given last; the first tick gives it white.
    enum class BlinkPhase { Red, White };

    void blink();
    void endAlarm();
    void paint(Channel channel, tk::Color colour);

    MainForm& form_;
    // What each channel goes back to after an alarm; none: what it shows.
    std::array<std::optional<tk::Color>, 2> chosen_;
    BlinkPhase blinkPhase_ = BlinkPhase::Red;
};
