// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/log_look.h"

namespace {
constexpr std::array<tk::Color, 2> kOwnColours{look::kLogOrange, tk::sys::kButtonText};
constexpr int kBlinkInterval = 330;

std::size_t index(LogLook::Channel channel) {
    return static_cast<std::size_t>(channel);
}
}  // namespace

LogLook::LogLook(MainForm& form) : form_(form), chosen_{kOwnColours[0], kOwnColours[1]} {
    form_.blinkTimer.onTick.bind([this] { blink(); });
    form_.logBox.onClick.bind([this] { endAlarm(); });
}

void LogLook::useOwnColour(Channel channel) {
    use(channel, kOwnColours[index(channel)]);
}

void LogLook::use(Channel channel, tk::Color colour) {
    chosen_[index(channel)] = colour;
    paint(channel, colour);
}

void LogLook::keepShownColour(Channel channel) {
    chosen_[index(channel)] = std::nullopt;
}

void LogLook::raiseAlarm() {
    form_.logBox.setBackColor(look::kBlack);
    form_.blinkTimer.setInterval(kBlinkInterval);
}

void LogLook::blink() {
    const bool toRed = blinkPhase_ == BlinkPhase::White;
    form_.logBox.setForeColor(toRed ? look::kRed : look::kWhite);
    blinkPhase_ = toRed ? BlinkPhase::Red : BlinkPhase::White;
}

// A click at any time, alarm or not, paints the chosen colours.
void LogLook::endAlarm() {
    form_.blinkTimer.setInterval(0);
    for (const Channel channel : {Channel::Back, Channel::Text}) {
        if (const auto colour = chosen_[index(channel)]) paint(channel, *colour);
    }
}

void LogLook::paint(Channel channel, tk::Color colour) {
    if (channel == Channel::Back) {
        form_.logBox.setBackColor(colour);
    } else {
        form_.logBox.setForeColor(colour);
    }
}
