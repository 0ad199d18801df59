// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/due_time.h"

#include <gtest/gtest.h>

#include "toolkit/clock_text.h"
#include "toolkit/testing/virtual_time.h"

namespace {

using due_time::afterDuration;
using due_time::atClockTime;
using due_time::lateLine;
using due_time::secondsUntil;
using due_time::timeLeftText;

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kToday = 100 * kDay;
tk::testing::VirtualTime utc;

// The clock reading h:m:s on day 100, which stands for any day.
tk::ClockReading at(int h, int m, double s) {
    return {static_cast<std::int64_t>((kToday + h * 3600 + m * 60 + s) * 1000),
            {100, h * 3600 + m * 60 + s}};
}

TEST(ClockText, IsTwoDigitsPerFieldAndWrapsAtMidnight) {
    EXPECT_EQ(tk::clockTextAt(9 * 3600 + 5 * 60 + 7.9), "09:05:07");
    EXPECT_EQ(tk::clockTextAt(86399.999), "23:59:59");
    EXPECT_EQ(tk::clockTextAt(86400), "00:00:00");
}

TEST(DueTime, ClockTimeIsTodayUnlessItsSecondHasPassedThenTomorrow) {
    const auto due = atClockTime(at(8, 0, 0), "08", "30", "00");
    EXPECT_EQ(due.text, "08:30:00");
    EXPECT_EQ(due.due.showing, kToday + 8 * 3600 + 30 * 60);
    EXPECT_EQ(atClockTime(at(8, 30, 0.9), "08", "30", "00").due.showing, kToday + 30600);
    EXPECT_EQ(atClockTime(at(8, 30, 1), "08", "30", "00").due.showing, kToday + kDay + 30600);
}

TEST(DueTime, DurationCarriesThroughTotalSecondsAndPastMidnight) {
    EXPECT_EQ(afterDuration(utc, at(23, 59, 50.7), 0, 0, 30).text, "00:00:20");
    EXPECT_EQ(afterDuration(utc, at(23, 59, 50.7), 0, 0, 30).due.instant, kToday + kDay + 20);
    EXPECT_EQ(afterDuration(utc, at(9, 58, 0), 0, 2, 7).text, "10:00:07");
    EXPECT_EQ(afterDuration(utc, at(9, 0, 0), 0, 5, 3).text, "09:05:03");
    EXPECT_EQ(afterDuration(utc, at(12, 0, 0), 23, 59, 59).text, "11:59:59");
}

TEST(DueTime, LateLineNamesTheDueTimeAndTheNonZeroPartsOfTheDelay) {
    EXPECT_EQ(lateLine("14:30:00", 1), "") << "a tick one second late is on time";
    EXPECT_EQ(lateLine("14:30:00", 2), "原定时间：14:30:00，晚了2秒");
    EXPECT_EQ(lateLine("14:30:00", 25 * 60), "原定时间：14:30:00，晚了25分钟");
    EXPECT_EQ(lateLine("09:00:00", kDay + 2 * 3600 + 3 * 60),
              "原定时间：09:00:00，晚了1天2小时3分钟");
    EXPECT_EQ(lateLine("09:00:00", kDay + 40), "原定时间：09:00:00，晚了1天40秒");
}

TEST(TimeLeft, CountsToTheDueMomentInWholeSecondsAndNeverBelowNothing) {
    auto left = [](std::int64_t due, tk::ClockReading now) {
        return secondsUntil({.instant = due}, utc, now);
    };
    EXPECT_EQ(timeLeftText(left(kToday + 50400, at(12, 34, 56.5))), "1:25:3");
    EXPECT_EQ(timeLeftText(left(kToday + kDay + 3600, at(23, 0, 0))), "2:0:0");
    EXPECT_EQ(timeLeftText(left(kToday + 3600, at(0, 59, 59.4))), "0:0:0");
    EXPECT_EQ(left(kToday + 3600, at(1, 0, 0.2)), 0) << "due now, not in a day";
    EXPECT_EQ(timeLeftText(2 * 3600 + 5 * 60 + 9), "2:5:9");
    EXPECT_EQ(timeLeftText(10 * 3600 + 30 * 60), "10:30:0");
}

}  // namespace
