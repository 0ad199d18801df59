// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app_fixture.h"

namespace {

class DisplaySettingsTest : public AppTest {
protected:
    DisplaySettingsTest() {
        startAt(9, 5, 6, 500);
        open();
    }
    void open() { ASSERT_TRUE(User::click(f.openSettings)); }
    void close() { ASSERT_TRUE(User::click(f.closeSettings)); }

    struct Layout {
        int windowHeight, frame3Height, buttonsTop, logTop, frame3Top, frame1Height;
        bool operator==(const Layout&) const = default;
    };
    Layout layout() const {
        return {f.height(),     f.workArea.height(), f.openSettings.top(),
                f.logBox.top(), f.workArea.top(),    f.slotArea.height()};
    }
};

TEST_F(DisplaySettingsTest, ClockShowsTheTimeEverySecondAndStopsWithinASecond) {
    ASSERT_TRUE(User::click(f.showClock));
    p.time.advance(1000);
    EXPECT_EQ(f.heading.caption(), "钟约系统09:05:07");
    p.time.advance(59'000);
    EXPECT_EQ(f.heading.caption(), "钟约系统09:06:06");
    ASSERT_TRUE(User::click(f.showClock));
    EXPECT_EQ(f.titleClock.interval(), 1000) << "the next tick carries out the stop";
    p.time.advance(1000);
    EXPECT_EQ(f.heading.caption(), "钟约系统");
    EXPECT_EQ(f.titleClock.interval(), 0);
    p.time.advance(5000);
    EXPECT_EQ(f.heading.caption(), "钟约系统");
    ASSERT_TRUE(User::click(f.showClock));
    p.time.advance(2000);
    EXPECT_EQ(f.heading.caption(), "钟约系统09:06:14") << "on again after a stop";
}

TEST_F(DisplaySettingsTest, SwitchingTheClockOnAgainWithinASecondKeepsItRunning) {
    ASSERT_TRUE(User::click(f.showClock));
    p.time.advance(1000);
    ASSERT_TRUE(User::click(f.showClock));
    p.time.advance(300);
    ASSERT_TRUE(User::click(f.showClock));
    for (int second = 8; second <= 12; ++second) {
        p.time.advance(1000);
        EXPECT_EQ(f.heading.caption(), "钟约系统09:05:" + tk::twoDigits(second));
    }
    EXPECT_EQ(f.showClock.value(), 1);
}

TEST_F(DisplaySettingsTest, HidingTheHintLineTakesItsBandOutAndShowingGivesItBackExactly) {
    const Layout shown = layout();
    ASSERT_TRUE(User::click(f.showHints));
    EXPECT_FALSE(f.hintLine.visible());
    const Layout hidden = layout();
    EXPECT_EQ(hidden.windowHeight, shown.windowHeight - 240);
    EXPECT_EQ(hidden.frame3Height, shown.frame3Height - 240);
    EXPECT_EQ(hidden.buttonsTop, shown.buttonsTop - 240);
    EXPECT_EQ(hidden.logTop, shown.logTop - 240);
    EXPECT_EQ(hidden.frame3Top, shown.frame3Top);

    // The band and the panels below the slot buttons add up in any order.
    close();
    ASSERT_TRUE(User::click(f.slotButton1));
    ASSERT_TRUE(User::click(f.setTaskPassword));
    EXPECT_EQ(f.height(), 4110 + 2160 + 1300 - 240);
    EXPECT_EQ(f.workArea.top(), 1120 + 2160 + 1300);
    EXPECT_EQ(f.workArea.height(), 2895 - 240);
    ASSERT_TRUE(User::click(f.dismissPassword));
    ASSERT_TRUE(User::click(f.cancelTask));  // a waiting slot's panel closes by 取消任务
    open();
    EXPECT_EQ(layout(), hidden);
    ASSERT_TRUE(User::click(f.showHints));
    EXPECT_TRUE(f.hintLine.visible());
    EXPECT_EQ(layout(), shown);
}

TEST_F(DisplaySettingsTest, HintsAreWrittenWhileHiddenAndShownAgainWithTheLine) {
    ASSERT_TRUE(User::click(f.showHints));
    close();
    ASSERT_TRUE(User::hover(f.help));
    EXPECT_EQ(f.hintLine.caption(), "如果你对本软件不太会使用，请查看帮助");
    ASSERT_TRUE(User::hover(f.openSettings));
    open();
    ASSERT_TRUE(User::click(f.showHints));
    EXPECT_EQ(f.hintLine.caption(), "将在右边出现设置窗口");
}

TEST_F(DisplaySettingsTest, EachColourNamePaintsTheListAndTheLog) {
    const std::pair<const char*, tk::Color> colours[] = {
        {"黑", 0x000000}, {"白", 0xFFFFFF}, {"蓝", 0xFF0000}, {"绿", 0x00FF00}, {"红", 0x0000FF}};
    ASSERT_TRUE(User::click(f.logBackColour));
    ASSERT_TRUE(User::click(f.logTextColour));
    EXPECT_EQ(f.logBox.backColor(), 0x80C0FFu) << "no name chosen: nothing changes";
    EXPECT_EQ(f.logBox.foreColor(), 0x000000u);
    for (const auto& [name, colour] : colours) {
        ASSERT_TRUE(User::choose(f.backColourList, name));
        EXPECT_EQ(f.backColourList.backColor(), colour) << name;
        EXPECT_EQ(f.logBox.backColor(), colour) << name;
        ASSERT_TRUE(User::choose(f.textColourList, name));
        EXPECT_EQ(f.textColourList.foreColor(), colour) << name;
        EXPECT_EQ(f.logBox.foreColor(), colour) << name;
    }
}

TEST_F(DisplaySettingsTest, SwitchingOffGivesTheLogItsDefaultsAndTheListKeepsItsColour) {
    ASSERT_TRUE(User::click(f.logBackColour));
    ASSERT_TRUE(User::choose(f.backColourList, "蓝"));
    ASSERT_TRUE(User::click(f.logTextColour));
    ASSERT_TRUE(User::choose(f.textColourList, "红"));
    ASSERT_TRUE(User::click(f.logBackColour));
    ASSERT_TRUE(User::click(f.logTextColour));
    EXPECT_EQ(f.logBox.backColor(), 0x80C0FFu);
    EXPECT_EQ(f.logBox.foreColor(), tk::sys::kButtonText);
    EXPECT_EQ(f.backColourList.backColor(), 0xFF0000u);
    EXPECT_EQ(f.textColourList.foreColor(), 0x0000FFu);
    EXPECT_FALSE(User::canReach(f.backColourList));
    EXPECT_FALSE(User::canReach(f.textColourList));
    ASSERT_TRUE(User::click(f.logBackColour));
    EXPECT_EQ(f.logBox.backColor(), 0xFF0000u) << "switching on again applies the chosen name";
}

// After a reminder, a click on the log stops the blinking and paints it as the
// switches say, for each of their four combinations.
TEST_F(DisplaySettingsTest, ClickOnTheLogAfterAReminderFollowsTheSwitches) {
    ASSERT_TRUE(User::click(f.logBackColour));
    ASSERT_TRUE(User::choose(f.backColourList, "绿"));
    ASSERT_TRUE(User::click(f.logBackColour));  // the list keeps its choice while switched off
    close();
    for (int combination = 0; combination < 4; ++combination) {
        const bool back = (combination & 1) != 0;
        const bool fore = (combination & 2) != 0;
        SCOPED_TRACE(combination);
        open();
        if (back != (f.logBackColour.value() == 1)) {
            ASSERT_TRUE(User::click(f.logBackColour));
        }
        if (fore != (f.logTextColour.value() == 1)) {
            ASSERT_TRUE(User::click(f.logTextColour));
        }
        if (fore) {
            ASSERT_TRUE(User::choose(f.textColourList, "白"));
        }
        close();
        startTask(1, tk::clockTextAt(p.time.now().local.secondsOfDay + 2));
        p.time.advance(3000);
        ASSERT_EQ(f.blinkTimer.interval(), 330) << "blinking";
        ASSERT_TRUE(User::click(f.logBox));
        EXPECT_EQ(f.blinkTimer.interval(), 0);
        EXPECT_EQ(f.logBox.backColor(), back ? 0x00FF00u : 0x80C0FFu);
        EXPECT_EQ(f.logBox.foreColor(), fore ? 0xFFFFFFu : tk::sys::kButtonText);
    }
}

// A switch that is on with no colour chosen leaves the alarm's colours as they are.
TEST_F(DisplaySettingsTest, ClickOnTheLogKeepsTheAlarmColoursOfASwitchWithNothingChosen) {
    ASSERT_TRUE(User::click(f.logBackColour));
    close();
    startTask(1, tk::clockTextAt(p.time.now().local.secondsOfDay + 2));
    p.time.advance(3000);
    const tk::Color blinked = f.logBox.foreColor();
    ASSERT_TRUE(User::click(f.logBox));
    EXPECT_EQ(f.blinkTimer.interval(), 0);
    EXPECT_EQ(f.logBox.backColor(), 0x000000u);
    EXPECT_EQ(f.logBox.foreColor(), tk::sys::kButtonText) << "the text's switch is off";
    EXPECT_NE(blinked, tk::sys::kButtonText);
}

}  // namespace
