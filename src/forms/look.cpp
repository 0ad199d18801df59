// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/look.h"

#include "toolkit/clock_text.h"

namespace look {

std::vector<std::string> twoDigitItems(int count) {
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) items.push_back(tk::twoDigits(i));
    return items;
}

std::vector<std::string> colourItems() {
    std::vector<std::string> items;
    for (const NamedColour& named : kListColours) items.emplace_back(named.name);
    return items;
}

}  // namespace look
