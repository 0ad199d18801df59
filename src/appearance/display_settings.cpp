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
    f.Check1.onClick.bind([this] { Check1_Click(); });
    f.Check2.onClick.bind([this] { Check2_Click(); });
    f.Check3.onClick.bind([this] { Check3_Click(); });
    f.Check4.onClick.bind([this] { Check4_Click(); });
    f.Combo7.onClick.bind([this] { Combo7_Click(); });
    f.Combo8.onClick.bind([this] { Combo8_Click(); });
    f.Text1.onClick.bind([this] { Text1_Click(); });
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
void DisplaySettings::Check1_Click() {
    if (clockShown_ == 0) {
        clockStopRequest_ = 0;
        f.Timer5.setInterval(kClockInterval);
        clockShown_ = 1;
    } else {
        clockStopRequest_ = 1;
        clockShown_ = 0;
    }
}

void DisplaySettings::Check2_Click() {
    if (hintsHidden_ == 0) {
        shiftHintBand(-kHintBand);
        f.Label16.setVisible(false);
        hintsHidden_ = 1;
    } else {
        shiftHintBand(kHintBand);
        f.Label16.setVisible(true);
        hintsHidden_ = 0;
    }
}

// The buttons and the log move into or out of the band, then the window and
// the working area take it away or give it back, relative to where they are.
void DisplaySettings::shiftHintBand(int twips) {
    tk::Control* const below[] = {&f.Command9, &f.Command10, &f.Command11, &f.Command12, &f.Text1};
    for (tk::Control* control : below) control->setTop(control->top() + twips);
    f.setHeight(f.height() + twips);
    f.Frame3.setHeight(f.Frame3.height() + twips);
}

void DisplaySettings::Check3_Click() {
    if (backColourOn_ == 0) {
        f.Combo7.setEnabled(true);
        applyBackColour();
        backColourOn_ = 1;
    } else {
        f.Combo7.setEnabled(false);
        f.Text1.setBackColor(kLogDefaultBack);
        backColourOn_ = 0;
    }
}

void DisplaySettings::Check4_Click() {
    if (foreColourOn_ == 0) {
        f.Combo8.setEnabled(true);
        applyForeColour();
        foreColourOn_ = 1;
    } else {
        f.Combo8.setEnabled(false);
        f.Text1.setForeColor(kLogDefaultFore);
        foreColourOn_ = 0;
    }
}

void DisplaySettings::Combo7_Click() {
    applyBackColour();
}

void DisplaySettings::Combo8_Click() {
    applyForeColour();
}

// Ends the blinking a reminder started and puts back the colours the
// settings call for.
void DisplaySettings::Text1_Click() {
    f.Timer6.setInterval(0);
    if (backColourOn_ == 1) {
        applyBackColour();
    } else {
        f.Text1.setBackColor(kLogDefaultBack);
    }
    if (foreColourOn_ == 1) {
        applyForeColour();
    } else {
        f.Text1.setForeColor(kLogDefaultFore);
    }
}

void DisplaySettings::applyBackColour() {
    if (const auto colour = colourNamed(f.Combo7.text())) {
        f.Combo7.setBackColor(*colour);
        f.Text1.setBackColor(*colour);
    }
}

void DisplaySettings::applyForeColour() {
    if (const auto colour = colourNamed(f.Combo8.text())) {
        f.Combo8.setForeColor(*colour);
        f.Text1.setForeColor(*colour);
    }
}
