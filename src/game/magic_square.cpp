// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/magic_square.h"

namespace magic_square {

int leadingNumber(const std::string& text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || value > 100'000'000) break;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool isSolved(const std::array<int, 9>& board) {
    // Cells numbered 1..9 row by row, in the order the lines are tested.
    constexpr int kLines[8][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7},
                                  {2, 5, 8}, {3, 6, 9}, {9, 5, 1}, {7, 5, 3}};
    for (const auto& line : kLines) {
        int sum = 0;
        for (const int cell : line) sum += board[static_cast<std::size_t>(cell - 1)];
        if (sum != 15) return false;
    }
    return true;
}

}  // namespace magic_square
