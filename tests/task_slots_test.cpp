// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/task_slots.h"

#include <gtest/gtest.h>

#include "tasks/slot_controls.h"
#include "toolkit/testing/test_services.h"

namespace {

// Tasks start and end in the slots through SlotControls alone, as in the program.
class TaskSlotsTest : public ::testing::Test {
protected:
    tk::testing::TestServices p;
    MainForm form{p.program};
    TaskSlots tasks;
    SlotControls controls{form, tasks};
};

TEST_F(TaskSlotsTest, StartRunsThatSlotAloneAndKeepsItsPassword) {
    EXPECT_FALSE(tasks.anyRunning());
    tasks.setPassword(4, "pw");
    controls.start(4, "周会", "带电脑", {"08:30:00", {.instant = 30600}});
    EXPECT_TRUE(tasks.anyRunning());
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(tasks.isRunning(n), n == 4) << n;
    const TaskSlot& s = tasks.slot(4);
    EXPECT_EQ(s.title, "周会");
    EXPECT_EQ(s.content, "带电脑");
    EXPECT_EQ(s.remindTime, "08:30:00");
    EXPECT_EQ(s.due.instant, 30600);
    EXPECT_EQ(s.password, "pw");
}

TEST_F(TaskSlotsTest, EndStopsTheSlotAndTakesOnlyItsPassword) {
    for (int n : {1, 4}) {
        tasks.setPassword(n, "pw");
        controls.start(n, "周会", "带电脑", {"08:30:00", {.instant = 30600}});
    }
    controls.end(1);
    EXPECT_FALSE(tasks.isRunning(1));
    EXPECT_EQ(tasks.slot(1).password, "");
    EXPECT_EQ(tasks.slot(1).title, "周会") << "the task's fields keep their last values";
    EXPECT_TRUE(tasks.anyRunning());
    EXPECT_EQ(tasks.slot(4).password, "pw");
    controls.end(4);
    EXPECT_FALSE(tasks.anyRunning());
}

}  // namespace
