// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app_fixture.h"

namespace {

class TaskPanelTest : public AppTest {
protected:
    TaskPanelTest() { startAt(10, 0, 0, 400); }
};

TEST_F(TaskPanelTest, WaitingSlotOpensAFreshEditorWhateverWasShownBefore) {
    ASSERT_TRUE(User::click(f.slotButton1));
    ASSERT_TRUE(User::retype(f.titleBox, "旧标题"));
    ASSERT_TRUE(User::type(f.contentBox, "旧内容"));
    ASSERT_TRUE(User::click(f.afterDuration));
    pick(f.durationHours, f.durationMinutes, f.durationSeconds, "01:02:03");
    ASSERT_TRUE(User::click(f.cancelTask));  // a waiting slot: just closes
    ASSERT_FALSE(f.taskPanel.visible());

    ASSERT_TRUE(User::click(f.slotButton2));
    EXPECT_EQ(f.titleBox.text(), "任务2");
    EXPECT_EQ(f.contentBox.text(), "");
    EXPECT_TRUE(f.atClockTime.value());
    EXPECT_FALSE(f.afterDuration.value());
    for (tk::ComboBox* combo : {&f.clockHour, &f.clockMinute, &f.clockSecond}) {
        EXPECT_TRUE(User::canReach(*combo));
        EXPECT_EQ(combo->backColor(), 0x80000005u);
    }
    for (tk::ComboBox* combo : {&f.durationHours, &f.durationMinutes, &f.durationSeconds}) {
        EXPECT_FALSE(User::canReach(*combo));
        EXPECT_EQ(combo->backColor(), 0x8000000Au);
    }
    EXPECT_EQ(f.durationHours.text() + f.durationMinutes.text() + f.durationSeconds.text(),
              "010203")
        << "the lists keep their selections";
    EXPECT_FALSE(f.continueTask.visible());
    EXPECT_TRUE(User::canReach(f.cancelTask));
    ASSERT_TRUE(User::type(f.contentBox, "新内容"));
    ASSERT_TRUE(User::click(f.startTask));
    EXPECT_EQ(p.boxes.last().title, "怎么搞的啊？") << "clock-time mode, whose lists are empty";
}

TEST_F(TaskPanelTest, RunningSlotIsShownReadOnlyWithContinueInPlaceOfStart) {
    startTask(3, "11:00:00", {.title = "周会", .content = "带电脑"});

    ASSERT_TRUE(User::click(f.slotButton3));
    EXPECT_EQ(f.titleBox.text(), "周会");
    EXPECT_EQ(f.contentBox.text(), "带电脑");
    for (tk::Control* c : std::initializer_list<tk::Control*>{
             &f.titleBox, &f.contentBox, &f.atClockTime, &f.afterDuration, &f.clockHour,
             &f.clockMinute, &f.clockSecond, &f.durationHours, &f.durationMinutes,
             &f.durationSeconds, &f.startTask}) {
        EXPECT_FALSE(User::canReach(*c)) << c->name();
    }
    EXPECT_EQ(f.clockHour.text(), "11") << "the lists are not set from the slot";
    EXPECT_TRUE(User::canReach(f.continueTask));
    EXPECT_TRUE(User::canReach(f.cancelTask));
}

TEST_F(TaskPanelTest, OpenPanelLocksTheSlotButtonsAndGrowsTheLayoutUntilClosed) {
    ASSERT_TRUE(User::click(f.slotButton4));
    EXPECT_EQ(f.height(), 4110 + 2160);
    EXPECT_EQ(f.slotArea.height(), 2895);
    EXPECT_EQ(f.workArea.top(), 1120 + 2160);
    EXPECT_TRUE(f.taskPanel.visible());
    for (tk::CommandButton* b : {&f.slotButton1, &f.slotButton2, &f.slotButton3, &f.slotButton4}) {
        EXPECT_FALSE(User::click(*b)) << b->name();
    }
    EXPECT_FALSE(User::canReach(f.quit)) << "the working area is disabled";
    EXPECT_EQ(f.titleBox.text(), "任务4") << "slot 4's panel";
}

}  // namespace
