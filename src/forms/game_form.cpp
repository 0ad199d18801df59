// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/game_form.h"

#include <string>

GameForm::GameForm(tk::Program& program)
    : tk::Form(
          program, "Form2",
          {.caption = "考考你", .width = 3735, .height = 6045, .back = kOrange, .icon = "icon"}) {}

// Rows at tops 960, 1800 and 2640, the last row taller; columns 960 apart.
std::array<tk::TextBox*, 9> GameForm::makeCells() {
    constexpr int kTops[] = {960, 1800, 2640};
    constexpr int kHeights[] = {735, 735, 855};
    std::array<tk::TextBox*, 9> made{};
    for (int i = 0; i < 9; ++i) {
        const int row = i / 3;
        const int column = i % 3;
        made[static_cast<std::size_t>(i)] =
            &add<tk::TextBox>("Text" + std::to_string(i + 1),
                              {.at = {480 + 960 * column, kTops[row], 855, kHeights[row]},
                               .enabled = false,
                               .back = look::kGrey,
                               .fore = look::kBlack,
                               .font = look::lishu(36),
                               .align = tk::Align::Center,
                               .locked = true,  // the game alone writes a cell
                               .tabIndex = i});
    }
    return made;
}

// Buttons 360 apart and 375 wide: neighbours overlap by 15.
std::array<tk::CommandButton*, 9> GameForm::makeDigitButtons() {
    std::array<tk::CommandButton*, 9> made{};
    for (int k = 1; k <= 9; ++k) {
        made[static_cast<std::size_t>(k - 1)] = &add<tk::CommandButton>(
            "Command" + std::to_string(k), {.caption = std::to_string(k),
                                            .at = {240 + 360 * (k - 1), 3720, 375, 375},
                                            .tabIndex = 9 + k});
    }
    return made;
}
