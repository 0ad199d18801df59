// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/text.h"

#include <algorithm>
#include <string_view>

namespace tk {

namespace {
bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
}  // namespace

std::size_t characterCount(const std::string& utf8) {
    std::size_t count = 0;
    for (char c : utf8) count += isContinuationByte(c) ? 0 : 1;
    return count;
}

std::string firstCharacters(const std::string& utf8, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (isContinuationByte(utf8[i])) continue;
        if (seen == count) return utf8.substr(0, i);
        ++seen;
    }
    return utf8;
}

std::string singleLine(const std::string& utf8) {
    std::string kept;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        length = std::min(length, utf8.size() - i);
        const std::string_view character(utf8.data() + i, length);
        i += length;
        const bool lineBreak = (lead >= 0x0A && lead <= 0x0D) || character == "\u0085" ||
                               character == "\u2028" || character == "\u2029";
        if (lineBreak) break;
        const bool control = lead < 0x20 || lead == 0x7F ||
                             (lead == 0xC2 && length == 2 &&
                              static_cast<unsigned char>(character[1]) < 0xA0);  // C1
        if (!control) kept += character;
    }
    return kept;
}

}  // namespace tk
