// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app_fixture.h"

namespace {

class SchedulingTest : public AppTest {
protected:
    SchedulingTest() { startAt(14, 5, 0, 300); }

    // Opens slot 1 with content typed, ready for a time.
    void openEditor() {
        ASSERT_TRUE(User::click(f.slotButton1));
        ASSERT_TRUE(User::type(f.contentBox, "喝水"));
    }

    void expectRefused(const std::string& text, const std::string& title) {
        ASSERT_FALSE(p.boxes.shown().empty());
        EXPECT_EQ(p.boxes.last().text, text);
        EXPECT_EQ(p.boxes.last().title, title);
        EXPECT_EQ(p.boxes.last().buttons, tk::Buttons::Ok);
        EXPECT_FALSE(app.tasks().isRunning(1));
        EXPECT_TRUE(f.taskPanel.visible()) << "the panel stays open";
        EXPECT_EQ(f.logBox.text(), MainForm::initialLog()) << "nothing is logged";
    }
};

TEST_F(SchedulingTest, MissingContentIsReportedFirst) {
    ASSERT_TRUE(User::click(f.slotButton1));
    pick(f.clockHour, f.clockMinute, f.clockSecond, "15:00:00");
    ASSERT_TRUE(User::click(f.startTask));
    expectRefused("请写入本任务的“提醒内容”", "");
    ASSERT_TRUE(User::type(f.contentBox, " "));
    p.boxes.reply(ok());
    ASSERT_TRUE(User::click(f.startTask));
    EXPECT_TRUE(app.tasks().isRunning(1)) << "a blank is content";
}

TEST_F(SchedulingTest, IncompleteTimeIsRefusedWithTheModesOwnTitle) {
    openEditor();
    ASSERT_TRUE(User::choose(f.clockHour, "15"));
    ASSERT_TRUE(User::choose(f.clockMinute, "00"));
    ASSERT_TRUE(User::click(f.startTask));
    expectRefused("请将提醒的时间设置完整", "怎么搞的啊？");

    ASSERT_TRUE(User::click(f.afterDuration));
    ASSERT_TRUE(User::choose(f.durationMinutes, "10"));
    ASSERT_TRUE(User::click(f.startTask));
    expectRefused("请将提醒的时间设置完整", "啊哦！");
}

TEST_F(SchedulingTest, DurationsUnderThirtySecondsAreRefused) {
    openEditor();
    ASSERT_TRUE(User::click(f.afterDuration));
    for (const char* tooShort : {"00:00:29", "00:00:00"}) {
        pick(f.durationHours, f.durationMinutes, f.durationSeconds, tooShort);
        ASSERT_TRUE(User::click(f.startTask));
        expectRefused("提醒时间最少应不小于30钞", "记住３０钞");
    }
    pick(f.durationHours, f.durationMinutes, f.durationSeconds, "00:00:30");
    p.boxes.reply(ok());
    ASSERT_TRUE(User::click(f.startTask));
    EXPECT_EQ(app.tasks().slot(1).remindTime, "14:05:30");
}

TEST_F(SchedulingTest, MinuteLongDurationPassesWhateverItsSeconds) {
    startTask(2, "00:01:00", {.duration = true});
    EXPECT_EQ(app.tasks().slot(2).remindTime, "14:06:00");
}

TEST_F(SchedulingTest, ConfirmationShowsTheDueTimeComputedBeforeTheBox) {
    p.time.setTimeOfDay(23, 59, 50, 900);
    openEditor();
    ASSERT_TRUE(User::click(f.afterDuration));
    pick(f.durationHours, f.durationMinutes, f.durationSeconds, "00:00:30");
    bool armedDuringBox = true;
    p.boxes.reply({tk::Answer::Ok, {}, [&] {
                       armedDuringBox = app.tasks().isRunning(1);
                       p.time.advance(15000);
                   }});
    ASSERT_TRUE(User::click(f.startTask));
    EXPECT_EQ(p.boxes.last().text, "任务1将在以下时间进行提醒：\r\n00:00:20");
    EXPECT_EQ(p.boxes.last().title, "任务ＯＫ");
    EXPECT_FALSE(armedDuringBox);
    EXPECT_EQ(app.tasks().slot(1).remindTime, "00:00:20") << "reading the box adds nothing";
    EXPECT_EQ(app.tasks().slot(1).due.instant, 86400 + 20) << "tomorrow, at 00:00:20";
}

TEST_F(SchedulingTest, StartStoresTheTaskArmsTheSlotClosesThePanelAndLogs) {
    protect(3, "pw");
    startTask(3, "08:30:00", {.title = "", .content = "交报告"});

    const TaskSlot& slot = app.tasks().slot(3);
    EXPECT_EQ(slot.title, "") << "an empty title is accepted";
    EXPECT_EQ(slot.content, "交报告");
    EXPECT_EQ(slot.remindTime, "08:30:00") << "a time already past today is due tomorrow";
    EXPECT_EQ(slot.due.showing, 86400 + 8 * 3600 + 30 * 60);
    EXPECT_EQ(slot.password, "pw") << "starting keeps the slot's password";
    EXPECT_EQ(f.slotTimer3.interval(), 1000);
    EXPECT_EQ(f.slotButton3.caption(), "任务3(进行)");
    EXPECT_FALSE(f.taskPanel.visible());
    EXPECT_EQ(f.height(), 4110);
    EXPECT_EQ(f.slotArea.height(), 735);
    EXPECT_EQ(f.workArea.top(), 1120);
    for (tk::CommandButton* b : {&f.slotButton1, &f.slotButton2, &f.slotButton3, &f.slotButton4}) {
        EXPECT_TRUE(User::canReach(*b)) << b->name();
    }
    EXPECT_EQ(topEntry(), "14:05:00->任务3开始");
}

TEST_F(SchedulingTest, ModeButtonsSwapWhichListsAreUsableButKeepSelections) {
    openEditor();
    pick(f.clockHour, f.clockMinute, f.clockSecond, "12:34:56");
    ASSERT_TRUE(User::click(f.afterDuration));
    EXPECT_FALSE(User::canReach(f.clockHour));
    EXPECT_EQ(f.clockHour.backColor(), 0x8000000Au);
    EXPECT_TRUE(User::canReach(f.durationHours));
    EXPECT_EQ(f.durationHours.backColor(), 0x80000005u);
    ASSERT_TRUE(User::click(f.atClockTime));
    EXPECT_FALSE(User::canReach(f.durationHours));
    p.boxes.reply(ok());
    ASSERT_TRUE(User::click(f.startTask));
    EXPECT_EQ(app.tasks().slot(1).remindTime, "12:34:56") << "clock-time mode, its selections kept";
}

}  // namespace
