// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appearance/display_settings.h"

#include "forms/panel_layout.h"
#include "shell/title_clock.h"

DisplaySettings::DisplaySettings(MainForm& form, TitleClock& clock, LogLook& logLook)
    : form_(form), clock_(clock), logLook_(logLook) {
    bind();
}

void DisplaySettings::bind() {
    form_.showClock.onClick.bind([this] { toggleClock(); });
    form_.showHints.onClick.bind([this] { toggleHints(); });
    form_.logBackColour.onClick.bind([this] { toggleColour(backColour_); });
    form_.logTextColour.onClick.bind([this] { toggleColour(textColour_); });
    form_.backColourList.onClick.bind([this] { applyColour(backColour_); });
    form_.textColourList.onClick.bind([this] { applyColour(textColour_); });
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
        panel_layout::hideHintBand(form_);
    } else {
        panel_layout::showHintBand(form_);
    }
    hintsShown_ = !hintsShown_;
    form_.hintLine.setVisible(hintsShown_);
}

// Off, the list keeps the colour it was painted.
void DisplaySettings::toggleColour(ColourSetting& setting) {
    setting.on = !setting.on;
    setting.list.setEnabled(setting.on);
    if (setting.on) {
        applyColour(setting);
    } else {
        logLook_.useOwnColour(setting.channel);
    }
}

// The list's entry paints the list and the log alike; with no entry
// selected nothing changes.
void DisplaySettings::applyColour(ColourSetting& setting) {
    const auto colour = colourNamed(setting.list.text());
    if (!colour) {
        logLook_.keepShownColour(setting.channel);
        return;
    }
    if (setting.channel == LogLook::Channel::Back) {
        setting.list.setBackColor(*colour);
    } else {
        setting.list.setForeColor(*colour);
    }
    logLook_.use(setting.channel, *colour);
}
