// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appearance/display_settings.h"

#include <array>
#include <utility>

namespace {
constexpr tk::Color kLogDefaultBack = look::kLogOrange;
constexpr tk::Color kLogDefaultFore = tk::sys::kButtonText;
constexpr int kHintBand = 240;  // the strip of the working area the hint line takes
constexpr int kClockInterval = 1000;
}  // namespace

DisplaySettings::DisplaySettings(MainForm& form) : f(form) {
    bind();
}

void DisplaySettings::bind() {
    f.showClock.onClick.bind([this] { toggleClock(); });
    f.showHints.onClick.bind([this] { toggleHints(); });
    f.logBackColour.onClick.bind([this] { toggleBackColour(); });
    f.logTextColour.onClick.bind([this] { toggleTextColour(); });
    f.backColourList.onClick.bind([this] { applyBackColour(); });
    f.textColourList.onClick.bind([this] { applyTextColour(); });
    f.logBox.onClick.bind([this] { stopBlinking(); });
}

std::optional<tk::Color> DisplaySettings::colourNamed(const std::string& name) {
    static constexpr std::array<std::pair<const char*, tk::Color>, 5> kColours{{
        {"黑", 0x000000},
        {"白", 0xFFFFFF},
        {"蓝", 0xFF0000},
        {"绿", 0x00FF00},
        {"红", 0x0000FF},
    }};
    for (const auto& [colourName, colour] : kColours) {
        if (name == colourName) return colour;
    }
    return std::nullopt;
}

// Switching on within a second of switching off withdraws the pending stop.
void DisplaySettings::toggleClock() {
    if (clockShown_ == 0) {
        clockStopRequest_ = 0;
        f.titleClock.setInterval(kClockInterval);
        clockShown_ = 1;
    } else {
        clockStopRequest_ = 1;
        clockShown_ = 0;
    }
}

void DisplaySettings::toggleHints() {
    if (hintsHidden_ == 0) {
        shiftHintBand(-kHintBand);
        f.hintLine.setVisible(false);
        hintsHidden_ = 1;
    } else {
        shiftHintBand(kHintBand);
        f.hintLine.setVisible(true);
        hintsHidden_ = 0;
    }
}

// The buttons and the log move into or out of the band, then the window and
// the working area take it away or give it back, relative to where they are.
void DisplaySettings::shiftHintBand(int twips) {
    tk::Control* const below[] = {&f.hideWindow, &f.openSettings, &f.help, &f.quit, &f.logBox};
    for (tk::Control* control : below) control->setTop(control->top() + twips);
    f.setHeight(f.height() + twips);
    f.workArea.setHeight(f.workArea.height() + twips);
}

void DisplaySettings::toggleBackColour() {
    if (backColourOn_ == 0) {
        f.backColourList.setEnabled(true);
        applyBackColour();
        backColourOn_ = 1;
    } else {
        f.backColourList.setEnabled(false);
        f.logBox.setBackColor(kLogDefaultBack);
        backColourOn_ = 0;
    }
}

void DisplaySettings::toggleTextColour() {
    if (foreColourOn_ == 0) {
        f.textColourList.setEnabled(true);
        applyTextColour();
        foreColourOn_ = 1;
    } else {
        f.textColourList.setEnabled(false);
        f.logBox.setForeColor(kLogDefaultFore);
        foreColourOn_ = 0;
    }
}

// Ends the blinking a reminder started and puts back the colours the
// settings call for.
void DisplaySettings::stopBlinking() {
    f.blinkTimer.setInterval(0);
    if (backColourOn_ == 1) {
        applyBackColour();
    } else {
        f.logBox.setBackColor(kLogDefaultBack);
    }
    if (foreColourOn_ == 1) {
        applyTextColour();
    } else {
        f.logBox.setForeColor(kLogDefaultFore);
    }
}

void DisplaySettings::applyBackColour() {
    if (const auto colour = colourNamed(f.backColourList.text())) {
        f.backColourList.setBackColor(*colour);
        f.logBox.setBackColor(*colour);
    }
}

void DisplaySettings::applyTextColour() {
    if (const auto colour = colourNamed(f.textColourList.text())) {
        f.textColourList.setForeColor(*colour);
        f.logBox.setForeColor(*colour);
    }
}
