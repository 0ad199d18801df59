// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/look/palette.h"

#include <array>

namespace qtview {

namespace {

// The classic scheme, indexed by system colour number.
constexpr std::array<tk::Color, 25> kClassicScheme = {
    0xC0C0C0, 0x808000, 0x800000, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x800000, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080,
    0x000000, 0xC0C0C0, 0xFFFFFF, 0x000000, 0xDFDFDF, 0x000000, 0xE1FFFF};

}  // namespace

QColor toQColor(tk::Color color) {
    if (tk::isSystemColor(color)) {
        const auto index = static_cast<std::size_t>(color & 0xFF);
        color = index < kClassicScheme.size() ? kClassicScheme[index] : 0xC0C0C0;
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

}  // namespace qtview
