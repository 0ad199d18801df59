// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app_fixture.h"
#include "game/magic_square.h"

using tk::testing::typed;

namespace {

TEST(MagicSquare, ACellCountsTheNumberItsTextBeginsWith) {
    EXPECT_EQ(magic_square::leadingNumber(""), 0);
    EXPECT_EQ(magic_square::leadingNumber("7"), 7);
    EXPECT_EQ(magic_square::leadingNumber("12a"), 12);
    EXPECT_EQ(magic_square::leadingNumber("a1"), 0);
}

TEST(MagicSquare, EveryLineMustAddUpToFifteen) {
    EXPECT_TRUE(magic_square::isSolved({2, 7, 6, 9, 5, 1, 4, 3, 8}));
    EXPECT_TRUE(magic_square::isSolved({8, 3, 4, 1, 5, 9, 6, 7, 2}));
    EXPECT_FALSE(magic_square::isSolved({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_FALSE(magic_square::isSolved({3, 5, 7, 5, 7, 3, 7, 3, 5}))
        << "every line fine but the last diagonal";
    EXPECT_TRUE(magic_square::isSolved({5, 5, 5, 5, 5, 5, 5, 5, 5}))
        << "only the sums count, as the board can show any text";
}

class GameTest : public AppTest {
protected:
    GameTest() {
        startAt(15, 0, 0);
        openGame();
    }

    void openGame() {
        ASSERT_TRUE(User::click(f.openSettings));
        ASSERT_TRUE(User::click(f.openGame));
    }
    void choose(int k) { ASSERT_TRUE(User::click(g.digit(k))) << "digit " << k; }
    void place(int i) { ASSERT_TRUE(User::click(g.cell(i))) << "cell " << i; }
    // Places the board's digits cell by cell, answering the last box with OK.
    void play(const std::array<int, 9>& board) {
        for (int i = 1; i <= 9; ++i) {
            choose(board[static_cast<std::size_t>(i - 1)]);
            place(i);
        }
    }

    std::string texts() const {
        std::string all;
        for (const tk::TextBox* cell : g.cells) all += cell->text().empty() ? "." : cell->text();
        return all;
    }
    std::string reachableCells() const {
        std::string all;
        for (int i = 1; i <= 9; ++i) all += User::canReach(g.cell(i)) ? std::to_string(i) : "";
        return all;
    }
    std::string usableDigits() const {
        std::string all;
        for (int k = 1; k <= 9; ++k) all += User::canReach(g.digit(k)) ? std::to_string(k) : "";
        return all;
    }
    std::string shownDigits() const {
        std::string all;
        for (int k = 1; k <= 9; ++k) all += g.digit(k).visible() ? std::to_string(k) : "";
        return all;
    }
    void expectWaitingForADigit(const std::string& unused) {
        EXPECT_EQ(reachableCells(), "");
        EXPECT_EQ(usableDigits(), unused);
    }
    void expectFreshGame() {
        expectWaitingForADigit("123456789");
        EXPECT_EQ(texts(), ".........");
        for (const tk::TextBox* cell : g.cells) EXPECT_EQ(cell->backColor(), look::kGrey);
    }

    GameForm& g = app.gameForm();
};

TEST_F(GameTest, GameOpensFromTheSettingsPanelWithTheMainWindowSteppingAside) {
    EXPECT_TRUE(g.visible());
    EXPECT_EQ(g.caption(), "考考你");
    EXPECT_EQ(f.windowState(), tk::WindowState::Minimized);
    EXPECT_EQ(f.width(), 5745) << "the settings panel closed as 确定 closes it";
    EXPECT_TRUE(f.slotArea.enabled());
    EXPECT_FALSE(f.displayPanel.enabled());
    for (const tk::TextBox* cell : g.cells) {
        EXPECT_EQ(cell->mousePointer(), tk::MousePointer::ArrowQuestion);
        EXPECT_TRUE(cell->locked()) << "the game alone writes a cell";
    }
    expectFreshGame();
}

TEST_F(GameTest, AChosenDigitOpensTheEmptyCellsAndAPlacementGivesTheOtherDigitsBack) {
    choose(3);
    EXPECT_EQ(shownDigits(), "12456789");
    EXPECT_EQ(usableDigits(), "") << "no other digit while one is chosen";
    EXPECT_EQ(reachableCells(), "123456789");
    place(1);
    EXPECT_EQ(g.cell(1).text(), "3");
    EXPECT_EQ(g.cell(1).backColor(), 0x00FFFFu) << "yellow";
    expectWaitingForADigit("12456789");
    choose(7);
    EXPECT_EQ(reachableCells(), "23456789") << "only the empty cells";
    place(5);
    EXPECT_EQ(g.cell(5).backColor(), 0x00FFFFu) << "another digit than 5 in the centre is yellow";
    choose(9);
    EXPECT_EQ(reachableCells(), "2346789") << "both filled cells stay shut";
}

TEST_F(GameTest, TheMagicSquareWinsAndStaysUntilRestart) {
    play({2, 7, 6, 9, 5, 1, 4, 3, 8});
    EXPECT_EQ(p.boxes.last().text, "你做是做对了，但是你连这种游戏还玩，你的IQ看来真的有点问题！");
    EXPECT_EQ(p.boxes.last().title, "");
    EXPECT_EQ(texts(), "276951438");
    EXPECT_EQ(g.cell(5).backColor(), 0x00FF00u) << "5 in the centre is green";
    EXPECT_EQ(shownDigits(), "");
    EXPECT_EQ(reachableCells(), "");
    ASSERT_TRUE(User::click(g.restart));
    expectFreshGame();
}

TEST_F(GameTest, AWrongBoardIsWipedAndTheNextNinePlacementsAreTestedAgain) {
    play({1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(p.boxes.last().text, "你答错了，你的IQ是不是有问题？");
    EXPECT_EQ(p.boxes.last().title, "");
    expectFreshGame();
    play({2, 7, 6, 9, 5, 1, 4, 3, 8});
    EXPECT_EQ(p.boxes.last().text, "你做是做对了，但是你连这种游戏还玩，你的IQ看来真的有点问题！");
}

TEST_F(GameTest, RestartWorksFromEveryState) {
    ASSERT_TRUE(User::click(g.restart));
    expectFreshGame();
    choose(4);
    ASSERT_TRUE(User::click(g.restart));
    expectFreshGame();
    choose(4);
    place(2);
    ASSERT_TRUE(User::click(g.restart));
    expectFreshGame();
}

TEST_F(GameTest, TheAnswerAsksForTheCodeOnceAndRevealsWithoutChangingTheGame) {
    choose(9);
    place(3);
    choose(1);
    for (const Reply& wrong : {typed("wen4817"), typed("5283146"), cancel()}) {
        p.boxes.forget();
        p.boxes.reply(wrong);
        ASSERT_TRUE(User::click(g.answer));
        ASSERT_EQ(p.boxes.shown().size(), 1u) << "no message after a wrong code";
        EXPECT_EQ(p.boxes.last().text, "请输入密码：");
        EXPECT_EQ(p.boxes.last().title, "想知密码问阿甲");
        EXPECT_EQ(p.boxes.last().defaultText, "5283146");
        EXPECT_EQ(texts(), "..9......");
    }
    p.boxes.forget();
    p.boxes.reply(typed("WEN4817"));
    ASSERT_TRUE(User::click(g.answer));
    ASSERT_EQ(p.boxes.shown().size(), 2u);
    EXPECT_EQ(p.boxes.last().text, "算你聪明！");
    EXPECT_EQ(p.boxes.last().title, "VI2000");
    EXPECT_EQ(texts(), "834159672");
    for (const tk::TextBox* cell : g.cells) EXPECT_EQ(cell->backColor(), 0xFF80FFu) << "pink";

    // The game goes on where it was: digit 1 chosen, cell 3 filled.
    EXPECT_EQ(reachableCells(), "12456789");
    EXPECT_EQ(shownDigits(), "2345678");
    place(4);
    EXPECT_EQ(texts(), "834159672") << "the placed 1 overwrote the revealed 1";

    for (int i = 0; i < 3; ++i) {
        if (i == 1) {
            ASSERT_TRUE(User::click(g.restart));
        }
        if (i == 2) {
            ASSERT_TRUE(User::click(g.leave));
            openGame();
        }
        p.boxes.forget();
        ASSERT_TRUE(User::click(g.answer));
        EXPECT_TRUE(p.boxes.shown().empty()) << "unlocked for good";
        EXPECT_EQ(texts(), "834159672");
    }
}

TEST_F(GameTest, TheNinthPlacementTestsWhateverTheCellsShow) {
    const int wrongDigits[] = {1, 3, 4, 5, 6, 7, 8, 9};
    for (int i = 1; i <= 8; ++i) {
        choose(wrongDigits[i - 1]);
        place(i);
    }
    p.boxes.reply(typed("WEN4817"));
    ASSERT_TRUE(User::click(g.answer));
    choose(2);
    place(9);  // the revealed 2 again: the board shows the solution
    EXPECT_EQ(p.boxes.last().text, "你做是做对了，但是你连这种游戏还玩，你的IQ看来真的有点问题！");
}

TEST_F(GameTest, LeavingRestoresTheMainWindowAndTheGameComesBackAsItWasLeft) {
    choose(6);
    place(9);
    choose(2);
    ASSERT_TRUE(User::click(g.leave));
    EXPECT_FALSE(g.visible());
    EXPECT_EQ(f.windowState(), tk::WindowState::Normal);
    EXPECT_EQ(f.width(), 5745) << "narrow, the settings panel closed";
    EXPECT_TRUE(User::canReach(f.slotButton1));

    openGame();
    EXPECT_EQ(texts(), "........6");
    EXPECT_EQ(reachableCells(), "12345678") << "still with 2 chosen";
    place(1);
    EXPECT_EQ(texts(), "2.......6");

    User::closeWindow(g);
    EXPECT_FALSE(g.visible()) << "closing by the window system leaves as 退出 does";
    EXPECT_EQ(f.windowState(), tk::WindowState::Normal);
    EXPECT_FALSE(p.program.ended());
}

}  // namespace
