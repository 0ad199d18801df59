#include "appearance/display_settings.h"

#include <array>
#include <utility>

namespace {
constexpr tk::Color kLogDefaultBack = look::kLogOrange;
constexpr tk::Color kLogDefaultFore = tk::sys::kButtonText;
}  // namespace

DisplaySettings::DisplaySettings(MainForm& form) : f(form) {
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
