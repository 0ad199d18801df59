#include "app_fixture.h"

namespace {

class DisplaySettingsTest : public AppTest {
protected:
    DisplaySettingsTest() {
        startAt(9, 5, 6, 500);
        open();
    }
    void open() { ASSERT_TRUE(User::click(f.Command10)); }
    void close() { ASSERT_TRUE(User::click(f.Command20)); }

    struct Layout {
        int windowHeight, frame3Height, buttonsTop, logTop, frame3Top, frame1Height;
        bool operator==(const Layout&) const = default;
    };
    Layout layout() const {
        return {f.height(),    f.Frame3.height(), f.Command10.top(),
                f.Text1.top(), f.Frame3.top(),    f.Frame1.height()};
    }
};

TEST_F(DisplaySettingsTest, ClockShowsTheTimeEverySecondAndStopsWithinASecond) {
    ASSERT_TRUE(User::click(f.Check1));
    p.time.advance(1000);
    EXPECT_EQ(f.Label1.caption(), "钟约系统09:05:07");
    p.time.advance(59'000);
    EXPECT_EQ(f.Label1.caption(), "钟约系统09:06:06");
    ASSERT_TRUE(User::click(f.Check1));
    EXPECT_EQ(f.Timer5.interval(), 1000) << "the next tick carries out the stop";
    p.time.advance(1000);
    EXPECT_EQ(f.Label1.caption(), "钟约系统");
    EXPECT_EQ(f.Timer5.interval(), 0);
    p.time.advance(5000);
    EXPECT_EQ(f.Label1.caption(), "钟约系统");
}

TEST_F(DisplaySettingsTest, SwitchingTheClockOnAgainWithinASecondKeepsItRunning) {
    ASSERT_TRUE(User::click(f.Check1));
    p.time.advance(1000);
    ASSERT_TRUE(User::click(f.Check1));
    p.time.advance(300);
    ASSERT_TRUE(User::click(f.Check1));
    for (int second = 8; second <= 12; ++second) {
        p.time.advance(1000);
        EXPECT_EQ(f.Label1.caption(), "钟约系统09:05:" + tk::twoDigits(second));
    }
    EXPECT_EQ(f.Check1.value(), 1);
}

TEST_F(DisplaySettingsTest, HidingTheHintLineTakesItsBandOutAndShowingGivesItBackExactly) {
    const Layout shown = layout();
    ASSERT_TRUE(User::click(f.Check2));
    EXPECT_FALSE(f.Label16.visible());
    const Layout hidden = layout();
    EXPECT_EQ(hidden.windowHeight, shown.windowHeight - 240);
    EXPECT_EQ(hidden.frame3Height, shown.frame3Height - 240);
    EXPECT_EQ(hidden.buttonsTop, shown.buttonsTop - 240);
    EXPECT_EQ(hidden.logTop, shown.logTop - 240);
    EXPECT_EQ(hidden.frame3Top, shown.frame3Top);

    // The band and the panels below the slot buttons add up in any order.
    close();
    ASSERT_TRUE(User::click(f.Command1));
    ASSERT_TRUE(User::click(f.Command8));
    EXPECT_EQ(f.height(), 4110 + 2160 + 1300 - 240);
    EXPECT_EQ(f.Frame3.top(), 1120 + 2160 + 1300);
    EXPECT_EQ(f.Frame3.height(), 2895 - 240);
    ASSERT_TRUE(User::click(f.Command14));
    ASSERT_TRUE(User::click(f.Command6));  // a waiting slot's panel closes by 取消任务
    open();
    EXPECT_EQ(layout(), hidden);
    ASSERT_TRUE(User::click(f.Check2));
    EXPECT_TRUE(f.Label16.visible());
    EXPECT_EQ(layout(), shown);
}

TEST_F(DisplaySettingsTest, HintsAreWrittenWhileHiddenAndShownAgainWithTheLine) {
    ASSERT_TRUE(User::click(f.Check2));
    close();
    ASSERT_TRUE(User::hover(f.Command11));
    EXPECT_EQ(f.Label16.caption(), "如果你对本软件不太会使用，请查看帮助");
    ASSERT_TRUE(User::hover(f.Command10));
    open();
    ASSERT_TRUE(User::click(f.Check2));
    EXPECT_EQ(f.Label16.caption(), "将在右边出现设置窗口");
}

TEST_F(DisplaySettingsTest, EachColourNamePaintsTheListAndTheLog) {
    const std::pair<const char*, tk::Color> colours[] = {
        {"黑", 0x000000}, {"白", 0xFFFFFF}, {"蓝", 0xFF0000}, {"绿", 0x00FF00}, {"红", 0x0000FF}};
    ASSERT_TRUE(User::click(f.Check3));
    ASSERT_TRUE(User::click(f.Check4));
    EXPECT_EQ(f.Text1.backColor(), 0x80C0FFu) << "no name chosen: nothing changes";
    EXPECT_EQ(f.Text1.foreColor(), 0x000000u);
    for (const auto& [name, colour] : colours) {
        ASSERT_TRUE(User::choose(f.Combo7, name));
        EXPECT_EQ(f.Combo7.backColor(), colour) << name;
        EXPECT_EQ(f.Text1.backColor(), colour) << name;
        ASSERT_TRUE(User::choose(f.Combo8, name));
        EXPECT_EQ(f.Combo8.foreColor(), colour) << name;
        EXPECT_EQ(f.Text1.foreColor(), colour) << name;
    }
}

TEST_F(DisplaySettingsTest, SwitchingOffGivesTheLogItsDefaultsAndTheListKeepsItsColour) {
    ASSERT_TRUE(User::click(f.Check3));
    ASSERT_TRUE(User::choose(f.Combo7, "蓝"));
    ASSERT_TRUE(User::click(f.Check4));
    ASSERT_TRUE(User::choose(f.Combo8, "红"));
    ASSERT_TRUE(User::click(f.Check3));
    ASSERT_TRUE(User::click(f.Check4));
    EXPECT_EQ(f.Text1.backColor(), 0x80C0FFu);
    EXPECT_EQ(f.Text1.foreColor(), tk::sys::kButtonText);
    EXPECT_EQ(f.Combo7.backColor(), 0xFF0000u);
    EXPECT_EQ(f.Combo8.foreColor(), 0x0000FFu);
    EXPECT_FALSE(User::canReach(f.Combo7));
    EXPECT_FALSE(User::canReach(f.Combo8));
    ASSERT_TRUE(User::click(f.Check3));
    EXPECT_EQ(f.Text1.backColor(), 0xFF0000u) << "switching on again applies the chosen name";
}

// After a reminder, a click on the log stops the blinking and paints it as the
// switches say, for each of their four combinations.
TEST_F(DisplaySettingsTest, ClickOnTheLogAfterAReminderFollowsTheSwitches) {
    ASSERT_TRUE(User::click(f.Check3));
    ASSERT_TRUE(User::choose(f.Combo7, "绿"));
    ASSERT_TRUE(User::click(f.Check3));  // the list keeps its choice while switched off
    close();
    for (int combination = 0; combination < 4; ++combination) {
        const bool back = (combination & 1) != 0;
        const bool fore = (combination & 2) != 0;
        SCOPED_TRACE(combination);
        open();
        if (back != (f.Check3.value() == 1)) {
            ASSERT_TRUE(User::click(f.Check3));
        }
        if (fore != (f.Check4.value() == 1)) {
            ASSERT_TRUE(User::click(f.Check4));
        }
        if (fore) {
            ASSERT_TRUE(User::choose(f.Combo8, "白"));
        }
        close();
        startTask(1, tk::clockTextAt(p.time.secondsSinceMidnight() + 2));
        p.time.advance(3000);
        ASSERT_EQ(f.Timer6.interval(), 330) << "blinking";
        ASSERT_TRUE(User::click(f.Text1));
        EXPECT_EQ(f.Timer6.interval(), 0);
        EXPECT_EQ(f.Text1.backColor(), back ? 0x00FF00u : 0x80C0FFu);
        EXPECT_EQ(f.Text1.foreColor(), fore ? 0xFFFFFFu : tk::sys::kButtonText);
    }
}

}  // namespace
