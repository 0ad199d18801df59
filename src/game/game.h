// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>

#include "forms/game_form.h"
#include "forms/main_form.h"
#include "security/settings_panel.h"

// The number-square game: opened by 游戏 from the settings panel, played by
// choosing a digit and then an empty cell, won when every line adds up to 15,
// and solved by 答案 behind an access code. Its state lives as long as the
// process; leaving the window only hides it.
class Game {
public:
    Game(GameForm& game, MainForm& main, SettingsPanel& settings);

private:
    // Whether cell i (1..9) holds a digit placed in the current game.
    bool cellFilled(int i) const { return cellFilled_[static_cast<std::size_t>(i - 1)]; }

    void bind();
    void openGame();
    void pointAtCells();
    void chooseDigit(int k);
    void placeInCell(int i);
    void testTheBoard();
    void restart();
    void leave();
    void revealAnswer();
    void resetGame();

    GameForm& gameForm_;
    MainForm& mainForm_;
    SettingsPanel& settings_;
    // The digit chosen last, kept after it is placed; none before the first
    // choice and after a reset, when no cell can be clicked.
    std::optional<int> selectedDigit_;
    bool answerUnlocked_ = false;  // the access code was given once: for good
    std::array<bool, 9> cellFilled_{};
    int placedCount_ = 0;
};
