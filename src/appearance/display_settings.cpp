// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appearance/display_settings.h"

#include "forms/panel_layout.h"
#include "shell/title_clock.h"

namespace {
constexpr tk::Color kLogDefaultBack = look::kLogOrange;
constexpr tk::Color kLogDefaultFore = tk::sys::kButtonText;
}  // namespace

DisplaySettings::DisplaySettings(MainForm& form, TitleClock& clock) : f(form), clock_(clock) {
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
    for (const auto& [colourName, colour] : look::kListColours) {
        if (name == colourName) return colour;
    }
    return std::nullopt;
}

void DisplaySettings::toggleClock() {
    if (!clockShown_) {
        clock_.start();
    } else {
        clock_.requestStop();
    }
    clockShown_ = !clockShown_;
}

void DisplaySettings::toggleHints() {
    if (hintsShown_) {
        panel_layout::hideHintBand(f);
    } else {
        panel_layout::showHintBand(f);
    }
    hintsShown_ = !hintsShown_;
    f.hintLine.setVisible(hintsShown_);
}

void DisplaySettings::toggleBackColour() {
    backColourOn_ = !backColourOn_;
    f.backColourList.setEnabled(backColourOn_);
    if (backColourOn_) {
        applyBackColour();
    } else {
        f.logBox.setBackColor(kLogDefaultBack);
    }
}

void DisplaySettings::toggleTextColour() {
    textColourOn_ = !textColourOn_;
    f.textColourList.setEnabled(textColourOn_);
    if (textColourOn_) {
        applyTextColour();
    } else {
        f.logBox.setForeColor(kLogDefaultFore);
    }
}

// Ends the blinking a reminder started and puts back the colours the
// settings call for.
void DisplaySettings::stopBlinking() {
    f.blinkTimer.setInterval(0);
    if (backColourOn_) {
        applyBackColour();
    } else {
        f.logBox.setBackColor(kLogDefaultBack);
    }
    if (textColourOn_) {
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
