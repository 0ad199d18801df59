// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The wall clock's turns as the real Qt timers see them, under a fake clock:
// the due second, :59, midnight, the clock set back or forward, and a machine
// that sleeps across a due time. No wall-clock waiting.
#include "qt_fixture.h"
#include "tasks/due_time.h"

namespace {

constexpr qint64 kDayMs = 86'400'000;

class QtClockTest : public ::testing::Test {
protected:
    QtClockTest() {
        services.dialogs.observeShownBoxes([this](QDialog& box) {
            if (auto* text = box.findChild<QLabel*>("qt_msgbox_label")) {
                boxes.push_back(text->text().toStdString() + "@" + program.clockText());
            }
            qtview::testing::pressOk(box);
        });
        f.show();
    }

    void setTime(int h, int m, int s, int ms = 0) {
        time.moveWallClock(kDayMs * 100 + ((h * 60 + m) * 60 + s) * 1000 + ms - time.wallClockMs());
    }
    // Starts slot 1 due at `due`, and lets its first tick come one second later.
    void start(const std::string& due) {
        ASSERT_TRUE(f.slotButton1.click());
        ASSERT_TRUE(f.contentBox.edit("事"));
        ASSERT_TRUE(f.clockHour.choose(std::stoi(due.substr(0, 2))));
        ASSERT_TRUE(f.clockMinute.choose(std::stoi(due.substr(3, 2))));
        ASSERT_TRUE(f.clockSecond.choose(std::stoi(due.substr(6, 2))));
        ASSERT_TRUE(f.startTask.click());
        boxes.clear();
        time.advance(1000);
    }
    void run(int seconds) { time.advance(seconds * 1000LL); }

    ManualTime time{0};  // the epoch at a midnight
    qtview::QtServices services;
    qtview::QtTimers timers{time};
    tk::Program program{tk::Services{time, services.dialogs, timers, services.lifetime}};
    App app{program};
    MainForm& f = app.mainForm();
    std::vector<std::string> boxes;
};

TEST_F(QtClockTest, TheReminderComesInItsDueSecondAlsoAtFiftyNineAndAcrossMidnight) {
    setTime(10, 0, 0, 400);
    start("10:00:30");
    run(40);
    EXPECT_EQ(boxes, (std::vector<std::string>{"任务1提醒@10:00:30"}));

    boxes.clear();
    start("10:00:59");
    run(60);
    EXPECT_EQ(boxes, (std::vector<std::string>{"任务1提醒@10:00:59"}));

    boxes.clear();
    setTime(23, 59, 50, 700);
    start("00:00:05");
    run(30);
    EXPECT_EQ(boxes, (std::vector<std::string>{"任务1提醒@00:00:05"}));
}

TEST_F(QtClockTest, ClockSetBackAnHourDelaysTheReminderToItsTimeOfDay) {
    setTime(10, 0, 0, 400);
    start("10:00:30");
    run(10);
    time.moveWallClock(-3'600'000);  // now 09:00:1x
    run(3600 + 40);
    EXPECT_EQ(boxes, (std::vector<std::string>{"任务1提醒@10:00:30"}))
        << "neither lost nor early, and not held up by the hour";
}

TEST_F(QtClockTest, ClockSetForwardOrAMachineAsleepAcrossTheDueTimeRemindsAtTheNextTickOnce) {
    setTime(10, 0, 0, 400);
    start("10:00:30");
    run(10);
    time.moveWallClock(3'600'000);  // now 11:00:1x: the due second was skipped
    run(86'400);
    EXPECT_EQ(boxes, (std::vector<std::string>{"任务1提醒@11:00:12"}));
    EXPECT_NE(f.logBox.text().find("\r\n原定时间：10:00:30，晚了59分钟42秒\r\n"),
              std::string::npos);
}

}  // namespace
