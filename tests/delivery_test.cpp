// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app_fixture.h"

namespace {

class DeliveryTest : public AppTest {
protected:
    // Ticks of tasks started now fall at .500 of every second.
    DeliveryTest() { startAt(14, 5, 0, 500); }

    int reminderBoxes(int slot) const {
        const std::string text = "任务" + std::to_string(slot) + "提醒";
        int count = 0;
        for (const auto& box : p.boxes.shown()) {
            count += box.text == text && box.alert == tk::Alert::Reminder ? 1 : 0;
        }
        return count;
    }

    static std::string report(const std::string& time, const std::string& title,
                              const std::string& content, const std::string& late = "") {
        return time + "->亲爱的用户，你约定的时间到了：\r\n" + (late.empty() ? "" : late + "\r\n") +
               "标题：" + title + "\r\n提醒内容：" + content + "\r\n任务完成\r\n";
    }
};

TEST_F(DeliveryTest, ReminderIsDeliveredOnTheDueSecondWithAllItsEffects) {
    startTask(1, "14:05:30");
    protect(1, "secret");
    f.setWindowState(tk::WindowState::Minimized);
    p.time.setTimeOfDay(14, 5, 29, 900);
    EXPECT_EQ(reminderBoxes(1), 0);

    bool runningWhileBoxOpen = false;
    p.boxes.reply({tk::Answer::Ok, {}, [&] {
                       runningWhileBoxOpen = app.tasks().isRunning(1);
                       p.time.advance(1000);  // the user reads it for a second
                   }});
    p.time.advance(1000);
    ASSERT_EQ(reminderBoxes(1), 1);
    EXPECT_EQ(p.boxes.last().title, "");
    EXPECT_EQ(p.boxes.last().buttons, tk::Buttons::Ok);
    EXPECT_EQ(p.boxes.last().spoken, "标题：任务1\r\n提醒内容：开会") << "for a screen reader";
    EXPECT_TRUE(runningWhileBoxOpen) << "the slot stops only after the box is closed";

    EXPECT_EQ(f.windowState(), tk::WindowState::Normal);
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(f.slotTimer1.interval(), 0);
    EXPECT_EQ(f.logBox.backColor(), 0x000000u);
    EXPECT_EQ(f.blinkTimer.interval(), 330);
    EXPECT_EQ(topEntry(), report("14:05:31", "任务1", "开会"))
        << "the report's time is read after the box closed";
    EXPECT_EQ(f.slotButton1.caption(), "任务1(等待)");
    EXPECT_EQ(app.tasks().slot(1).password, "");

    p.time.advance(330);
    EXPECT_EQ(f.logBox.foreColor(), 0xFFFFFFu) << "the log blinks";
    p.time.advance(60 * 60 * 1000);
    EXPECT_EQ(reminderBoxes(1), 1);

    ASSERT_TRUE(User::click(f.logBox));
    EXPECT_EQ(f.blinkTimer.interval(), 0) << "a click on the log ends the blinking";
    EXPECT_EQ(f.logBox.backColor(), 0x80C0FFu);
    EXPECT_EQ(f.logBox.foreColor(), 0x80000012u) << "the default colours, the settings being off";
}

TEST_F(DeliveryTest, NoSlotDeliversTwiceWhileItsBoxStaysOpen) {
    startTask(2, "14:05:30");
    p.boxes.reply({tk::Answer::Ok, {}, [&] { p.time.advance(5000); }});
    p.time.setTimeOfDay(14, 5, 40);
    EXPECT_EQ(reminderBoxes(2), 1);
    EXPECT_EQ(f.logBox.text().find("->亲爱的用户"), f.logBox.text().rfind("->亲爱的用户"))
        << "one report";
}

TEST_F(DeliveryTest, SlotsDueInTheSameSecondGiveTwoBoxesAndTwoReports) {
    startTask(1, "14:06:00");
    startTask(2, "14:06:00", {.title = "第二", .content = "乙"});
    // Slot 1's box stays open while slot 2's tick comes and shows its own box on top.
    p.boxes.reply({tk::Answer::Ok, {}, [&] { p.time.advance(900); }});
    p.time.setTimeOfDay(14, 6, 2);
    EXPECT_EQ(reminderBoxes(1), 1);
    EXPECT_EQ(reminderBoxes(2), 1);
    const std::string& log = f.logBox.text();
    const std::size_t first = log.find("标题：任务1");
    const std::size_t second = log.find("标题：第二");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(second, std::string::npos);
    EXPECT_LT(first, second) << "slot 1 wrote its report last, after its own box closed";
    EXPECT_FALSE(app.tasks().isRunning(1));
    EXPECT_FALSE(app.tasks().isRunning(2));
}

TEST_F(DeliveryTest, DueSecondAtFiftyNineMissedComesAtTheNextTickStillOnTime) {
    startTask(3, "14:05:59");
    p.time.suspend(59000);  // busy from 14:05:00.5 to 14:05:59.5: the due second's tick is lost
    p.time.advance(1000);
    EXPECT_EQ(topEntry(), report("14:06:00", "任务3", "开会")) << "one second late is on time";
    p.time.advance(86'400'000);
    EXPECT_EQ(reminderBoxes(3), 1);
}

TEST_F(DeliveryTest, AsleepAcrossTheDueTimeTheReminderComesOnWakingOnceAndSaysItIsLate) {
    startTask(4, "14:05:30");
    p.time.suspend(25 * 60'000);  // asleep from 14:05:00.5 to 14:30:00.5
    EXPECT_EQ(reminderBoxes(4), 0);
    p.time.advance(1000);
    const std::string late = "原定时间：14:05:30，晚了24分钟31秒";
    EXPECT_EQ(p.boxes.last().spoken, late + "\r\n标题：任务4\r\n提醒内容：开会");
    EXPECT_EQ(topEntry(), report("14:30:01", "任务4", "开会", late));
    p.time.advance(86'400'000);
    EXPECT_EQ(reminderBoxes(4), 1);
}

TEST_F(DeliveryTest, TwoTasksMissedOvernightComeOneAfterTheOtherEachOnce) {
    startTask(1, "23:00:00");
    startTask(2, "02:00:00", {.title = "第二", .content = "乙"});
    p.time.suspend(20 * 3'600'000);  // asleep until 10:05:00.5 the next day
    p.time.advance(1000);
    const auto& boxes = p.boxes.shown();
    ASSERT_EQ(reminderBoxes(1) + reminderBoxes(2), 2);
    EXPECT_EQ(boxes[boxes.size() - 2].spoken,
              "原定时间：23:00:00，晚了11小时5分钟1秒\r\n标题：任务1\r\n提醒内容：开会");
    EXPECT_EQ(boxes.back().spoken,
              "原定时间：02:00:00，晚了8小时5分钟1秒\r\n标题：第二\r\n提醒内容：乙");
    p.time.advance(86'400'000);
    EXPECT_EQ(reminderBoxes(1) + reminderBoxes(2), 2);
}

TEST_F(DeliveryTest, ClockSetForwardRemindsAtOnceAndSetBackNeitherEarlyNorTwice) {
    startTask(1, "14:05:30");
    startTask(2, "15:05:20");
    p.time.advance(10000);
    p.time.moveWallClock(3'600'000);  // now 15:05:10.5
    p.time.advance(1000);
    EXPECT_EQ(topEntry(),
              report("15:05:11", "任务1", "开会", "原定时间：14:05:30，晚了59分钟41秒"));
    p.time.moveWallClock(-3'600'000);  // now 14:05:11.5, both due times ahead again
    p.time.setTimeOfDay(15, 5, 19, 900);
    EXPECT_EQ(reminderBoxes(2), 0);
    p.time.advance(1000);
    EXPECT_EQ(topEntry(), report("15:05:20", "任务2", "开会")) << "on time by the clock";
    EXPECT_EQ(reminderBoxes(1), 1) << "a delivered task is not reminded again";
}

TEST_F(DeliveryTest, ClockTimeAlreadyPastIsTomorrowsButOnePassedWhileConfirmingIsLate) {
    startTask(1, "14:04:59");
    p.boxes.reply({tk::Answer::Ok, {}, [&] { p.time.advance(20000); }});  // 任务ＯＫ read 20 s
    startTask(2, "14:05:10");
    p.time.advance(1000);
    EXPECT_EQ(topEntry(), report("14:05:21", "任务2", "开会", "原定时间：14:05:10，晚了11秒"));
    p.time.setTimeOfDay(14, 4, 58);
    EXPECT_EQ(reminderBoxes(1), 0) << "not before 14:04:59 the next day";
    p.time.advance(2000);
    EXPECT_EQ(reminderBoxes(1), 1);
}

TEST_F(DeliveryTest, DeliveryDuringAnOpenPanelLeavesThePanelAsItWas) {
    startTask(1, "14:05:30");
    ASSERT_TRUE(User::click(f.slotButton1));
    p.time.setTimeOfDay(14, 5, 31);
    EXPECT_EQ(reminderBoxes(1), 1);
    EXPECT_EQ(f.slotButton1.caption(), "任务1(等待)");
    EXPECT_TRUE(f.taskPanel.visible());
    EXPECT_TRUE(f.continueTask.visible()) << "the panel still shows the slot as it was";
    EXPECT_EQ(f.titleBox.text(), "任务1");
    ASSERT_TRUE(User::click(f.continueTask));
    ASSERT_TRUE(User::click(f.slotButton1));
    EXPECT_TRUE(f.startTask.visible()) << "a delivered slot is waiting: the editor opens";
    EXPECT_EQ(f.contentBox.text(), "");
}

TEST_F(DeliveryTest, ReportOfAnUntitledTaskStillHasItsTitleLine) {
    startTask(2, "00:00:30", {.title = "", .content = "内容", .duration = true});
    p.time.advance(31000);
    EXPECT_EQ(topEntry(), report("14:05:30", "", "内容"));
}

// A title pasted with a line break and a row of hyphens cannot forge an entry
// of its own; any other text arrives whole, in the task, the report and the
// task information.
TEST_F(DeliveryTest, PastedTextCannotForgeAnEntryAndOtherTextArrivesWhole) {
    const std::string forgedTitle = "周会" + ActivityLog::logSeparator + "14:00:00->任务3开始\r\n";
    startTask(1, "00:00:30", {.title = forgedTitle, .content = "议程", .duration = true});
    const std::string whole = "مرحبا 😀 𠀀𪚥 " + std::string(10'000, 'x');
    startTask(2, "00:00:30", {.title = whole, .content = whole, .duration = true});
    EXPECT_EQ(app.tasks().slot(1).title, "周会");
    EXPECT_EQ(app.tasks().slot(2).title, whole);

    ASSERT_TRUE(User::click(f.slotButton2));
    ASSERT_TRUE(User::click(f.taskInfo));
    EXPECT_NE(topEntry().find("当前任务：" + whole + "(正在进行中……)"), std::string::npos);
    ASSERT_TRUE(User::click(f.continueTask));

    p.time.advance(31000);
    const std::string& log = f.logBox.text();
    EXPECT_EQ(topEntry(), report("14:05:30", whole, whole));
    EXPECT_NE(log.find(report("14:05:30", "周会", "议程")), std::string::npos);
    EXPECT_EQ(log.find("->任务3开始"), std::string::npos) << "no entry forged";
}

constexpr std::int64_t kHour = 3'600'000;
constexpr std::int64_t kDay = 24 * kHour;
// An hour ahead of UTC; on day 1 summer time begins at 02:00 (01:59:59, then
// 03:00:00), on day 2 it ends at 03:00 (02:59:59, then 02:00:00).
const tk::testing::Zone kBerlin = tk::testing::summerTimeZone(kDay + kHour, 2 * kDay + kHour);

TEST_F(DeliveryTest, DurationIsRealTimeAcrossSummerTimeAndAZoneChangeAlsoIn2038And2100) {
    p.time.setZone(kBerlin);
    const std::tuple<std::int64_t, std::string, std::string> cases[] = {
        {kDay + kHour - 12'000, "03:00:28", "03:00:28"},      // from 01:59:48 in spring
        {2 * kDay + kHour - 15'000, "02:00:25", "02:00:25"},  // from 02:59:45 in autumn
        {2'147'483'630'000, "04:14:30", "04:14:30"},          // 2038-01-19 04:13:50
        {4'102'444'780'000, "01:00:20", "01:00:20"},          // 2100-01-01 00:59:40
        {3 * kDay, "01:00:40", "00:00:40"}};                  // then flown an hour west
    for (const auto& [startMs, due, reported] : cases) {
        p.time.moveWallClock(startMs - p.time.now().realMs);
        startTask(1, "00:00:40", {.duration = true});
        EXPECT_EQ(p.boxes.last().text, "任务1将在以下时间进行提醒：\r\n" + due);
        if (due != reported) p.time.setZone({});
        ASSERT_TRUE(User::click(f.slotButton1) && User::click(f.taskInfo));
        EXPECT_NE(topEntry().find("任务剩余时间：0:0:40"), std::string::npos) << due;
        ASSERT_TRUE(User::click(f.continueTask));
        p.time.advance(39'000);
        EXPECT_TRUE(app.tasks().isRunning(1)) << due << " not early";
        p.time.advance(1'000);
        EXPECT_EQ(topEntry(), report(reported, "任务1", "开会")) << due;
    }
}

TEST_F(DeliveryTest, ClockTimeComesTheNextTimeTheClockShowsItAfterTheClockOrItsZoneMoves) {
    p.time.setZone(kBerlin);
    p.time.setTimeOfDay(23, 0, 0, 500);  // a clock 8 hours fast
    startTask(1, "16:00:00");
    p.time.moveWallClock(-(7 * kHour + 60'000));  // set right: 15:59:00.5 the same day
    p.time.setTimeOfDay(16, 0, 0, 900);
    EXPECT_EQ(topEntry(), report("16:00:00", "任务1", "开会")) << "today, on time";
    p.time.setTimeOfDay(1, 59, 0, 500);
    startTask(2, "02:30:00");  // in the hour summer time skips
    p.time.setTimeOfDay(3, 0, 0, 900);
    EXPECT_EQ(topEntry(), report("03:00:00", "任务2", "开会", "原定时间：02:30:00，晚了30分钟"));
    p.time.setTimeOfDay(2, 10, 0, 500);
    startTask(3, "02:30:00");  // in the hour that repeats
    p.time.advance(2 * kHour);
    EXPECT_EQ(reminderBoxes(3), 1) << "once, the first time";
    p.time.setTimeOfDay(17, 0, 0, 500);
    startTask(4, "16:00:00");
    p.time.setZone({{0, -kHour}});  // flown two hours west: 15:00:00.5
    p.time.setTimeOfDay(16, 0, 0, 900);
    EXPECT_EQ(topEntry(), report("16:00:00", "任务4", "开会")) << "today, on time";
}

}  // namespace
