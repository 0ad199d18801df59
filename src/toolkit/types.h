// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tk {

// Packed 0x00BBGGRR; with the top bit set, the low bits name a system colour.
using Color = std::uint32_t;

constexpr Color kSystemColorFlag = 0x80000000u;
constexpr Color systemColor(int index) {
    return kSystemColorFlag | static_cast<Color>(index);
}
constexpr bool isSystemColor(Color c) {
    return (c & kSystemColorFlag) != 0;
}

namespace sys {
constexpr Color kWindowText = systemColor(8);
constexpr Color kWindow = systemColor(5);
constexpr Color kActiveBorder = systemColor(10);
constexpr Color kButtonFace = systemColor(15);
constexpr Color kButtonShadow = systemColor(16);
constexpr Color kButtonText = systemColor(18);
constexpr Color kButtonHighlight = systemColor(20);
constexpr Color kButtonDarkShadow = systemColor(21);
constexpr Color kButtonLight = systemColor(22);
}  // namespace sys

// Positions and sizes in twips (1440 to the inch).
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Font {
    std::string family{};  // the Windows family name the interface asks for
    double points = 9;
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

enum class Align { Left, Right, Center };

enum class MousePointer { Default = 0, ArrowQuestion = 14 };

enum class WindowState { Normal, Minimized };

// What changed, so that a view can push just that into its widget.
enum class Property {
    Caption,
    Text,
    Geometry,
    Visible,
    Enabled,
    BackColor,
    ForeColor,
    Font,
    Value,
    ListIndex,
    MousePointer,
    WindowState,
    DefaultButton,
    Focus,  // not a value: the control asks for the keyboard focus
};

// The design-time state of one control: one row of a window's layout table.
struct Design {
    std::string caption{};
    Rect at{};
    bool visible = true;
    bool enabled = true;
    std::optional<Color> back{};
    std::optional<Color> fore{};
    std::optional<Font> font{};
    Align align = Align::Left;
    std::vector<std::string> items{};
    int value = 0;
    bool autoSize = false;
    bool multiLine = false;
    bool password = false;
    int maxLength = 0;
    bool locked = false;
    std::string picture{};
    int tabIndex = -1;
    // What assistive technology calls a control that has no caption or label
    // of its own to be named by.
    std::string description{};
};

}  // namespace tk
