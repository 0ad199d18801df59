// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app_fixture.h"

namespace {

using StartupTest = AppTest;

TEST_F(StartupTest, QuestionComesBeforeTheSplashIsShown) {
    bool splashShownDuringQuestion = true;
    p.boxes.reply(
        {tk::Answer::Ok, {}, [&] { splashShownDuringQuestion = app.splashForm().visible(); }});
    app.start();
    ASSERT_EQ(p.boxes.shown().size(), 1u);
    EXPECT_EQ(p.boxes.last().text, "你今天是否要定计划？");
    EXPECT_EQ(p.boxes.last().title, "");
    EXPECT_EQ(p.boxes.last().buttons, tk::Buttons::OkCancel);
    EXPECT_FALSE(splashShownDuringQuestion);
    EXPECT_TRUE(app.splashForm().visible());
}

TEST_F(StartupTest, CancelOrClosingTheQuestionEndsBeforeAnyWindowIsShown) {
    p.boxes.reply(cancel());
    app.start();
    EXPECT_TRUE(p.program.ended());
    EXPECT_EQ(p.lifetime.ends, 1);
    EXPECT_FALSE(app.splashForm().visible());
    EXPECT_FALSE(f.visible());
    p.time.advance(10000);
    EXPECT_FALSE(f.visible());
}

TEST_F(StartupTest, SplashStaysThreeSecondsThenShowsTheMainWindowOnce) {
    p.boxes.reply(ok());
    app.start();
    p.time.advance(2999);
    EXPECT_TRUE(app.splashForm().visible());
    EXPECT_FALSE(f.visible());
    p.time.advance(1);
    EXPECT_FALSE(app.splashForm().visible());
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(app.splashForm().handOverTimer.interval(), 0);
    f.hide();
    p.time.advance(60000);
    EXPECT_FALSE(f.visible()) << "the disarmed splash timer does not show the window again";
}

TEST_F(StartupTest, ClosingTheMainWindowByTheSystemScoldsAndEnds) {
    startAt(9, 0, 0);
    User::closeWindow(f);
    ASSERT_EQ(p.boxes.shown().size(), 1u);
    EXPECT_EQ(p.boxes.last().text, "用这种卑鄙的手段退出。。哼，我鄙视你！");
    EXPECT_EQ(p.boxes.last().title, "鄙视+ing");
    EXPECT_TRUE(p.program.ended());
    EXPECT_FALSE(f.visible());
}

}  // namespace
