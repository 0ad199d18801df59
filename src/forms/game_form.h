// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "forms/look.h"
#include "toolkit/form.h"

// The game window "考考你": the rules, a three-by-three board of cells
// (Text1..Text9, row by row), the nine digit buttons (Command1..Command9) and
// 重来, 答案, 退出. Cells and digit buttons are made from their row, column
// or digit; everything else is one line per control.
class GameForm : public tk::Form {
public:
    static constexpr tk::Color kOrange = 0x0080FF;  // red 255, green 128, blue 0

    explicit GameForm(tk::Program& program);

    // clang-format off
    tk::Label& rules = add<tk::Label>("Label1", {.caption = "你可以把最下面从0～9的数字放到这9个框中，使框中的9个数横、竖、斜相加都相等吗？", .at = {70, 240, 3735, 375}, .back = kOrange, .fore = look::kBlue, .tabIndex = 9});
    const std::array<tk::TextBox*, 9> cells = makeCells();
    const std::array<tk::CommandButton*, 9> digits = makeDigitButtons();
    tk::CommandButton& restart = add<tk::CommandButton>("Command10", {.caption = "重来", .at = {2280, 4200, 1215, 495}, .tabIndex = 19});
    tk::CommandButton& answer = add<tk::CommandButton>("Command12", {.caption = "答案", .at = {2280, 4800, 1215, 495}, .tabIndex = 21});
    tk::CommandButton& leave = add<tk::CommandButton>("Command11", {.caption = "退出", .at = {2280, 5400, 1215, 495}, .tabIndex = 20});
    tk::Picture& picture = add<tk::Picture>("Image1", {.at = {240, 4200, 1935, 1695}, .picture = "game"});
    // clang-format on

    // Cell i (1..9) and digit button k (1..9).
    tk::TextBox& cell(int i) const { return *cells[static_cast<std::size_t>(i - 1)]; }
    tk::CommandButton& digit(int k) const { return *digits[static_cast<std::size_t>(k - 1)]; }

private:
    std::array<tk::TextBox*, 9> makeCells();
    std::array<tk::CommandButton*, 9> makeDigitButtons();
};
