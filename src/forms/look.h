// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <vector>

#include "toolkit/types.h"

// Colours and fonts the program's windows are drawn with.
namespace look {

constexpr tk::Color kBlack = 0x000000;
constexpr tk::Color kWhite = 0xFFFFFF;
constexpr tk::Color kGrey = 0xC0C0C0;
constexpr tk::Color kBlue = 0xFF0000;
constexpr tk::Color kGreen = 0x00FF00;
constexpr tk::Color kRed = 0x0000FF;
constexpr tk::Color kLogOrange = 0x80C0FF;

inline tk::Font kai(double points, bool bold = false) {
    return {"楷体_GB2312", points, bold};
}
inline tk::Font song(double points, bool bold = false) {
    return {"宋体", points, bold};
}
inline tk::Font lishu(double points) {
    return {"隶书", points, false};
}

// The colours the log's two lists offer, by the names they show, in list order.
struct NamedColour {
    const char* name;
    tk::Color colour;
};
inline constexpr std::array<NamedColour, 5> kListColours{
    {{"黑", kBlack}, {"白", kWhite}, {"蓝", kBlue}, {"绿", kGreen}, {"红", kRed}}};

// "00", "01", ... up to count - 1: the items of the time lists.
std::vector<std::string> twoDigitItems(int count);
// The names of kListColours: the items of the colour lists.
std::vector<std::string> colourItems();

}  // namespace look
