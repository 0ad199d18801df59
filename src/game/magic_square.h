// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>

// The arithmetic of the number square, with no controls.
namespace magic_square {

// The number a cell's text begins with; 0 for an empty text or one that does
// not begin with a digit.
int leadingNumber(const std::string& text);

// Whether the board (row by row) adds up to exactly 15 in each of its eight
// lines: the rows, the columns and the two diagonals.
bool isSolved(const std::array<int, 9>& board);

}  // namespace magic_square
