// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>

#include "forms/main_form.h"
#include "game/game_form.h"
#include "security/exit_password.h"

// The number-square game: opened by 游戏 from the settings panel, played by
// choosing a digit and then an empty cell, won when every line adds up to 15,
// and solved by 答案 behind an access code. Its state lives as long as the
// process; leaving the window only hides it.
class Game {
public:
    Game(GameForm& game, MainForm& main, ExitPassword& settings);

    // Empty before the first choice, 0 after a reset.
    std::optional<int> selectedDigit() const { return selectedDigit_; }
    bool cellFilled(int i) const { return cellFilled_[static_cast<std::size_t>(i - 1)] == 1; }
    float placedCount() const { return placedCount_; }
    bool answerUnlocked() const { return answerUnlocked_; }

private:
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

    GameForm& g;
    MainForm& f;
    ExitPassword& settings_;
    std::optional<int> selectedDigit_;
    bool answerUnlocked_ = false;  // the access code was given once: for good
    std::array<float, 9> cellFilled_{};
    float placedCount_ = 0;
};
