// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>

namespace tk {

// Text is UTF-8 throughout; lengths that a user sees are counted in characters.
std::size_t characterCount(const std::string& utf8);
std::string firstCharacters(const std::string& utf8, std::size_t count);
// What a single-line box keeps of text that arrives in it, pasted or typed:
// everything up to the first line break (LF, VT, FF, CR, NEL, or the line and
// paragraph separators), without any other control character.
std::string singleLine(const std::string& utf8);

}  // namespace tk
