// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/due_time.h"

#include <gtest/gtest.h>

#include "toolkit/clock_text.h"

namespace {

using due_time::afterDuration;
using due_time::isDue;
using due_time::secondsUntil;
using due_time::timeLeftText;

TEST(ClockText, IsTwoDigitsPerFieldAndWrapsAtMidnight) {
    EXPECT_EQ(tk::clockTextAt(9 * 3600 + 5 * 60 + 7.9), "09:05:07");
    EXPECT_EQ(tk::clockTextAt(86399.999), "23:59:59");
    EXPECT_EQ(tk::clockTextAt(86400), "00:00:00");
}

TEST(DueTime, ClockTimeIsTakenAsPicked) {
    const auto due = due_time::atClockTime("08", "30", "00");
    EXPECT_EQ(due.text, "08:30:00");
    EXPECT_EQ(due.seconds, 8 * 3600 + 30 * 60);
}

TEST(DueTime, DurationCarriesThroughTotalSecondsAndPastMidnight) {
    EXPECT_EQ(afterDuration("23:59:50", 0, 0, 30).text, "00:00:20");
    EXPECT_EQ(afterDuration("23:59:50", 0, 0, 30).seconds, 20);
    EXPECT_EQ(afterDuration("09:58:00", 0, 2, 7).text, "10:00:07");
    EXPECT_EQ(afterDuration("09:00:00", 0, 5, 3).text, "09:05:03");
    EXPECT_EQ(afterDuration("12:00:00", 23, 59, 59).text, "11:59:59");
}

TEST(DueTime, WindowIsTheDueSecondAndTheOneAfter) {
    EXPECT_FALSE(isDue("14:05:29", "14:05:30"));
    EXPECT_TRUE(isDue("14:05:30", "14:05:30"));
    EXPECT_TRUE(isDue("14:05:31", "14:05:30"));
    EXPECT_FALSE(isDue("14:05:32", "14:05:30"));
    EXPECT_FALSE(isDue("14:06:30", "14:05:30"));
    EXPECT_FALSE(isDue("15:05:30", "14:05:30"));
    EXPECT_TRUE(isDue("14:05:59", "14:05:59"));
    EXPECT_FALSE(isDue("14:06:00", "14:05:59")) << "a :59 due time has a one-second window";
    EXPECT_FALSE(isDue("14:05:30", "")) << "no due time was ever set";
}

TEST(TimeLeft, CountsThroughMidnightInWholeSecondsWithoutLeadingZeros) {
    EXPECT_EQ(timeLeftText(secondsUntil(50400, 45296.5)), "1:25:3");
    EXPECT_EQ(timeLeftText(secondsUntil(3600, 82800)), "2:0:0");
    EXPECT_EQ(timeLeftText(secondsUntil(3600, 3600)), "0:0:0");
    EXPECT_EQ(timeLeftText(secondsUntil(3600, 3599.4)), "0:0:0");
    EXPECT_EQ(timeLeftText(2 * 3600 + 5 * 60 + 9), "2:5:9");
    EXPECT_EQ(timeLeftText(10 * 3600 + 30 * 60), "10:30:0");
}

}  // namespace
