// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app_fixture.h"

namespace {

class HintsTest : public AppTest {
protected:
    HintsTest() { startAt(8, 0, 0); }
};

struct HintRow {
    const char* control;
    const char* hint;
};

// Every hint written by a mouse move, reached through the same way in as a
// real mouse move over the widget takes.
TEST_F(HintsTest, EveryControlOfTheTableExplainsItselfUnderThePointer) {
    const HintRow mainButtons[] = {
        {"Command9", "隐藏当前的窗口最小化"},
        {"Command10", "将在右边出现设置窗口"},
        {"Command11", "如果你对本软件不太会使用，请查看帮助"},
        {"Command12", "全部退出"},
    };
    const HintRow taskPanel[] = {
        {"Command5", "将以上参数都设置好后，可以单击此按钮开始任务钟约"},
        {"Command6", "取消当前任务"},
        {"Command7", "查看任务信息"},
        {"Command8", "为此任务设置密码，以防别人或自己误将任务取消"},
        {"Option1", "指定在什么时候进行对自己的提醒"},
        {"Option2", "以当前时间为参照，经过设置时间段后提醒"},
        {"Text2", "可以在此输入提醒任务的标题"},
        {"Text3", "提醒内容必须写入"},
    };
    auto expectHints = [this](const auto& rows) {
        for (const HintRow& row : rows) {
            tk::Control& control = *User::find(f, row.control);
            f.hintLine.setCaption("");
            ASSERT_TRUE(User::hover(control)) << row.control;
            EXPECT_EQ(f.hintLine.caption(), row.hint) << row.control;
            EXPECT_EQ(control.hint(), row.hint) << row.control << ": what a screen reader says";
        }
    };
    EXPECT_EQ(f.hintLine.caption(), "") << "empty before any move";
    expectHints(mainButtons);
    ASSERT_TRUE(User::click(f.slotButton2));
    expectHints(taskPanel);

    startTask(2, "09:00:00");
    ASSERT_TRUE(User::click(f.slotButton2));
    const HintRow runningPanel[] = {{"Command18", "继续当前的任务"}};
    expectHints(runningPanel);
    setPasswordOfSelected("pw");
    ASSERT_TRUE(User::click(f.setTaskPassword));
    const HintRow passwordPanel[] = {
        {"Text4", "输入修改后的新密码"},
        {"Text6", "上次已经设置了密码，需要输入原密码进行认证"},
    };
    expectHints(passwordPanel);
    ASSERT_TRUE(User::click(f.dismissPassword));
    ASSERT_TRUE(User::click(f.cancelTask));
    const HintRow cancelPanel[] = {{"Text7", "输入密码"}};
    expectHints(cancelPanel);
}

TEST_F(HintsTest, TheConfirmationBoxExplainsItselfByItsTextNotByThePointer) {
    ASSERT_TRUE(User::click(f.slotButton1));
    ASSERT_TRUE(User::click(f.setTaskPassword));
    f.hintLine.setCaption("");
    ASSERT_TRUE(User::hover(f.newPasswordAgain));
    EXPECT_EQ(f.hintLine.caption(), "");
    ASSERT_TRUE(User::type(f.newPasswordAgain, "b"));
    EXPECT_EQ(f.hintLine.caption(), "两次输入，以防错误");
}

TEST_F(HintsTest, AMoveOverAControlWithoutAHintLeavesTheLastHint) {
    ASSERT_TRUE(User::click(f.slotButton1));
    ASSERT_TRUE(User::hover(f.startTask));
    tk::Control* const silent[] = {&f.taskPanel, &f.clockHour, &f.titleCaption, &f.slotArea,
                                   &f.heading};
    for (tk::Control* control : silent) {
        (void)User::hover(*control);
    }
    EXPECT_EQ(f.hintLine.caption(), "将以上参数都设置好后，可以单击此按钮开始任务钟约");
}

TEST_F(HintsTest, HelpSaysOnlyThatOneLearnsByDoing) {
    const std::string log = f.logBox.text();
    ASSERT_TRUE(User::click(f.help));
    ASSERT_EQ(p.boxes.shown().size(), 1u);
    EXPECT_EQ(p.boxes.last().text, "自己去体会");
    EXPECT_EQ(p.boxes.last().title, "");
    EXPECT_EQ(p.boxes.last().buttons, tk::Buttons::Ok);
    EXPECT_EQ(f.logBox.text(), log);
}

}  // namespace
