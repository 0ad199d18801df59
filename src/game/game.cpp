// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/game.h"

#include "game/magic_square.h"
#include "toolkit/program.h"

namespace {
constexpr tk::Color kEmpty = look::kGrey;
constexpr tk::Color kFilled = 0x00FFFF;  // yellow
constexpr tk::Color kFiveInTheCentre = 0x00FF00;
constexpr tk::Color kRevealed = 0xFF80FF;  // pink
constexpr int kCentre = 5;

// The solution 答案 shows, row by row.
constexpr std::array<const char*, 9> kSolution{"8", "3", "4", "1", "5", "9", "6", "7", "2"};
}  // namespace

Game::Game(GameForm& game, MainForm& main, SettingsPanel& settings)
    : gameForm_(game), mainForm_(main), settings_(settings) {
    bind();
}

void Game::bind() {
    mainForm_.openGame.onClick.bind([this] { openGame(); });
    gameForm_.onLoad.bind([this] { pointAtCells(); });
    // Closing the window by the window system leaves the game as 退出 does,
    // rather than leaving the main window minimised with nothing on screen.
    gameForm_.onUnload.bind([this] { leave(); });
    for (int k = 1; k <= 9; ++k) {
        gameForm_.digit(k).onClick.bind([this, k] { chooseDigit(k); });
        gameForm_.cell(k).onClick.bind([this, k] { placeInCell(k); });
    }
    gameForm_.restart.onClick.bind([this] { restart(); });
    gameForm_.leave.onClick.bind([this] { leave(); });
    gameForm_.answer.onClick.bind([this] { revealAnswer(); });
}

// 游戏: the settings panel closes as 确定 closes it, the main window steps
// aside, and the game comes up as it was left.
void Game::openGame() {
    settings_.close();
    mainForm_.setWindowState(tk::WindowState::Minimized);
    gameForm_.show();
}

void Game::pointAtCells() {
    for (tk::TextBox* cell : gameForm_.cells)
        cell->setMousePointer(tk::MousePointer::ArrowQuestion);
}

// Each digit once per game: its button stays hidden until the reset.
void Game::chooseDigit(int k) {
    gameForm_.digit(k).setVisible(false);
    for (tk::CommandButton* digit : gameForm_.digits) digit->setEnabled(false);
    for (int i = 1; i <= 9; ++i) gameForm_.cell(i).setEnabled(!cellFilled(i));
    selectedDigit_ = k;
}

void Game::placeInCell(int i) {
    placedCount_ += 1;
    cellFilled_[static_cast<std::size_t>(i - 1)] = true;
    tk::TextBox& cell = gameForm_.cell(i);
    cell.setText(selectedDigit_ ? std::to_string(*selectedDigit_) : std::string());
    cell.setBackColor(i == kCentre && selectedDigit_ == 5 ? kFiveInTheCentre : kFilled);
    cell.setEnabled(false);
    for (tk::CommandButton* digit : gameForm_.digits) digit->setEnabled(true);
    for (tk::TextBox* each : gameForm_.cells) each->setEnabled(false);
    if (placedCount_ == 9) testTheBoard();
}

// Whatever the cells show is tested, a revealed digit included.
void Game::testTheBoard() {
    std::array<int, 9> board{};
    for (int i = 1; i <= 9; ++i) {
        board[static_cast<std::size_t>(i - 1)] =
            magic_square::leadingNumber(gameForm_.cell(i).text());
    }
    tk::Program& program = gameForm_.program();
    if (magic_square::isSolved(board)) {
        program.messageBox("你做是做对了，但是你连这种游戏还玩，你的IQ看来真的有点问题！",
                           tk::Buttons::Ok, "");
        return;
    }
    program.messageBox("你答错了，你的IQ是不是有问题？", tk::Buttons::Ok, "");
    resetGame();
}

void Game::restart() {
    resetGame();
}

void Game::resetGame() {
    for (tk::TextBox* cell : gameForm_.cells) cell->setBackColor(kEmpty);
    for (tk::TextBox* cell : gameForm_.cells) cell->setText("");
    for (tk::CommandButton* digit : gameForm_.digits) digit->setVisible(true);
    for (tk::TextBox* cell : gameForm_.cells) cell->setEnabled(false);
    for (tk::CommandButton* digit : gameForm_.digits) digit->setEnabled(true);
    placedCount_ = 0;
    cellFilled_.fill(false);
    selectedDigit_.reset();
}

// The board, the game in progress and the unlocked answer stay for next time.
void Game::leave() {
    mainForm_.setWindowState(tk::WindowState::Normal);
    gameForm_.hide();
}

void Game::revealAnswer() {
    tk::Program& program = gameForm_.program();
    if (!answerUnlocked_) {
        if (program.inputBox("请输入密码：", "想知密码问阿甲", "5283146") != "WEN4817") return;
        answerUnlocked_ = true;
        program.messageBox("算你聪明！", tk::Buttons::Ok, "VI2000");
    }
    for (int i = 1; i <= 9; ++i)
        gameForm_.cell(i).setText(kSolution[static_cast<std::size_t>(i - 1)]);
    for (tk::TextBox* cell : gameForm_.cells) cell->setBackColor(kRevealed);
}
