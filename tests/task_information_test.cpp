// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app_fixture.h"

namespace {

class InformationTest : public AppTest {
protected:
    InformationTest() { startAt(12, 0, 0, 500); }

    void startNamedTask(int slot, const std::string& when) {
        startTask(slot, when, {.title = "周会", .content = "带电脑"});
    }

    std::string askAbout(int slot) {
        EXPECT_TRUE(User::click(slotButton(slot)));
        EXPECT_TRUE(User::click(f.taskInfo));
        return topEntry();
    }

    static std::string running(const std::string& left) {
        return "当前任务：周会(正在进行中……) \r\n提醒内容：带电脑\r\n任务剩余时间：" + left;
    }
};

TEST_F(InformationTest, RunningTaskReportsTitleContentAndTimeLeft) {
    startNamedTask(2, "14:00:00");
    p.time.setTimeOfDay(12, 34, 56, 500);
    const std::string before = f.logBox.text();
    EXPECT_EQ(askAbout(2), running("1:25:3"));
    EXPECT_EQ(f.logBox.text(), ActivityLog::logSeparator + running("1:25:3") + before)
        << "no line break between the time left and the older entries";
    EXPECT_TRUE(app.tasks().isRunning(2));
    EXPECT_TRUE(p.boxes.shown().size() == 1) << "only the start's confirmation, no box here";
}

TEST_F(InformationTest, TimeLeftRunsThroughMidnight) {
    startNamedTask(1, "01:00:00");
    p.time.setTimeOfDay(23, 0, 0);
    EXPECT_EQ(askAbout(1), running("2:0:0"));
}

TEST_F(InformationTest, InTheDueSecondNothingIsLeftEvenBeforeTheTickDelivers) {
    startNamedTask(3, "13:00:00");
    ASSERT_TRUE(User::click(f.slotButton3));
    p.time.setTimeOfDay(12, 59, 59, 400);
    ASSERT_TRUE(User::click(f.taskInfo));
    EXPECT_EQ(topEntry(), running("0:0:0")) << "less than a second before";
    p.time.setTimeOfDay(13, 0, 0, 200);  // the poll tick comes at .500
    ASSERT_TRUE(User::click(f.taskInfo));
    EXPECT_EQ(topEntry(), running("0:0:0")) << "due now, not in a day";
}

TEST_F(InformationTest, WaitingSlotReportsNoTaskEvenWithAnOldTitle) {
    startNamedTask(4, "12:00:30");
    p.time.advance(31000);
    ASSERT_FALSE(app.tasks().isRunning(4));
    EXPECT_EQ(askAbout(4), "当前任务：（无）\r\n正等待您的设置");
    ASSERT_TRUE(User::click(f.taskInfo));
    EXPECT_EQ(f.logBox.text().rfind(ActivityLog::logSeparator + "当前任务：（无）", 0), 0u);
    EXPECT_NE(f.logBox.text().find("当前任务：（无）", 60), std::string::npos) << "two entries";
}

}  // namespace
