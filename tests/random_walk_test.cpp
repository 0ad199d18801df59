// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Thousands of random sequences of what a person can do, with fixed seeds,
// checking after every step what must always hold.
#include <gtest/gtest.h>

#include "walk.h"

namespace {

TEST(RandomWalk, WhatAPersonCanDoNeverBreaksTheRules) {
    int reminders = 0;
    int endings = 0;
    for (unsigned seed = 1; seed <= 1500; ++seed) {
        Walk walk(seed);
        const std::string broken = walk.run(100);
        if (!broken.empty()) {
            FAIL() << "seed " << seed << ": " << broken << "\nsteps:\n" << walk.history();
        }
        reminders += walk.reminders();
        endings += walk.endings();
    }
    EXPECT_GT(reminders, 1000) << "the walks must reach deliveries, not only wander";
    EXPECT_GT(endings, 300) << "and end the program by its routes";
}

}  // namespace
