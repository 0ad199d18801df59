// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app_fixture.h"

namespace {

struct SlotMessage {
    const char* text;
    const char* title;
};
const SlotMessage kWrongOld[] = {{"原密码1不正确", "猪头！"},
                                 {"原密码2不正确", "想做什么？"},
                                 {"原密码3不正确", "少来啦你"},
                                 {"原密码4不正确", "靠～～～～～！"}};

class TaskPasswordTest : public AppTest, public ::testing::WithParamInterface<int> {
protected:
    TaskPasswordTest() { startAt(14, 5, 0); }

    int slot() const { return GetParam(); }
    const std::string& password() const { return app.tasks().slot(slot()).password; }

    void openPanel() {
        if (!f.taskPanel.visible()) {
            ASSERT_TRUE(User::click(slotButton(slot())));
        }
        ASSERT_TRUE(User::click(f.setTaskPassword));
    }
    void enter(const std::string& old, const std::string& fresh, const std::string& again) {
        if (f.oldPassword.visible()) {
            ASSERT_TRUE(User::retype(f.oldPassword, old));
        }
        ASSERT_TRUE(User::retype(f.newPassword, fresh));
        ASSERT_TRUE(User::retype(f.newPasswordAgain, again));
    }
    void expectPanelClosedOverTheTaskPanel() {
        EXPECT_FALSE(f.passwordPanel.visible());
        EXPECT_EQ(f.height(), 4110 + 2160);
        EXPECT_EQ(f.slotArea.height(), 735 + 2160);
        EXPECT_EQ(f.workArea.top(), 1120 + 2160);
        EXPECT_TRUE(User::canReach(f.setTaskPassword));
        EXPECT_TRUE(User::canReach(f.quit)) << "the working area is usable again";
        EXPECT_TRUE(f.taskPanel.visible()) << "the task settings panel stays open";
    }
};

TEST_P(TaskPasswordTest, FirstSettingAsksOnlyForTheNewPasswordTwiceAndLogsIt) {
    openPanel();
    EXPECT_TRUE(f.passwordPanel.visible());
    EXPECT_FALSE(f.oldPassword.visible());
    EXPECT_FALSE(f.oldPasswordCaption.visible());
    EXPECT_EQ(f.height(), 4110 + 2160 + 1300);
    EXPECT_EQ(f.slotArea.height(), 735 + 2160 + 1300);
    EXPECT_EQ(f.workArea.top(), 1120 + 2160 + 1300);
    for (tk::Control* locked : {&f.setTaskPassword, &f.startTask, &f.quit, &f.slotButton1}) {
        EXPECT_FALSE(User::canReach(*locked)) << locked->name();
    }

    enter("", "秘密", "秘密");
    p.boxes.reply(ok());
    ASSERT_TRUE(User::pressEnter(f)) << "Enter confirms";
    EXPECT_EQ(password(), "秘密");
    EXPECT_EQ(p.boxes.last().text, "密码设置成功");
    EXPECT_EQ(p.boxes.last().title, "ＹＥＳ");
    EXPECT_EQ(topEntry(),
              "14:05:00->任务" + std::to_string(slot()) + "密码设置成功" + MainForm::initialLog())
        << "on top, followed directly by what the log held before";
    expectPanelClosedOverTheTaskPanel();
    EXPECT_EQ(f.defaultButton(), &f.startTask) << "Enter starts the task again";
}

TEST_P(TaskPasswordTest, ChangeNeedsTheExactOldPasswordFirst) {
    ASSERT_TRUE(User::click(slotButton(slot())));
    setPasswordOfSelected("Pw");
    openPanel();
    EXPECT_TRUE(f.oldPassword.visible());
    EXPECT_TRUE(f.oldPasswordCaption.visible());
    EXPECT_EQ(f.oldPassword.text(), "");

    for (const char* wrong : {"", "pw", "Pw ", "PW"}) {
        enter(wrong, "新", "新");
        p.boxes.forget();
        ASSERT_TRUE(User::click(f.confirmPassword));
        ASSERT_EQ(p.boxes.shown().size(), 1u) << wrong;
        EXPECT_EQ(p.boxes.last().text, kWrongOld[slot() - 1].text);
        EXPECT_EQ(p.boxes.last().title, kWrongOld[slot() - 1].title);
        EXPECT_EQ(password(), "Pw");
        EXPECT_TRUE(f.passwordPanel.visible()) << "the panel stays open";
        EXPECT_EQ(f.newPassword.text(), "新") << "with its entries";
    }
    enter("Pw", "新", "新");
    ASSERT_TRUE(User::click(f.confirmPassword));
    EXPECT_EQ(password(), "新");
    expectPanelClosedOverTheTaskPanel();
}

INSTANTIATE_TEST_SUITE_P(EverySlot, TaskPasswordTest, ::testing::Range(1, 5));

class TaskPasswordPanelTest : public AppTest {
protected:
    TaskPasswordPanelTest() { startAt(10, 0, 0); }

    // Opens the password panel of a slot and types the new password and its confirmation.
    void openAndType(int slot, const std::string& fresh, const std::string& again) {
        ASSERT_TRUE(User::click(slotButton(slot)));
        ASSERT_TRUE(User::click(f.setTaskPassword));
        ASSERT_TRUE(User::type(f.newPassword, fresh));
        ASSERT_TRUE(User::type(f.newPasswordAgain, again));
    }
};

TEST_F(TaskPasswordPanelTest, AnEmptyNewPasswordClosesSilentlyAndKeepsTheOldOne) {
    ASSERT_TRUE(User::click(f.slotButton2));
    setPasswordOfSelected("abc");
    ASSERT_TRUE(User::click(f.setTaskPassword));
    ASSERT_TRUE(User::type(f.oldPassword, "abc"));
    ASSERT_TRUE(User::type(f.newPasswordAgain, "whatever"));
    p.boxes.forget();
    ASSERT_TRUE(User::click(f.confirmPassword));
    EXPECT_TRUE(p.boxes.shown().empty());
    EXPECT_FALSE(f.passwordPanel.visible());
    EXPECT_EQ(app.tasks().slot(2).password, "abc");
}

TEST_F(TaskPasswordPanelTest, DifferentConfirmationIsRefusedAndTheEntriesStay) {
    openAndType(4, "abc", "abc ");
    ASSERT_TRUE(User::click(f.confirmPassword));
    EXPECT_EQ(p.boxes.last().text, "两次输入密码不一致,请重新输入");
    EXPECT_EQ(p.boxes.last().title, "笨蛋！");
    EXPECT_TRUE(f.passwordPanel.visible());
    EXPECT_EQ(f.newPasswordAgain.text(), "abc ");
    EXPECT_EQ(app.tasks().slot(4).password, "");
}

TEST_F(TaskPasswordPanelTest, CancelStoresNothingAndReopeningShowsEmptyBoxes) {
    openAndType(1, "abc", "abc");
    ASSERT_TRUE(User::click(f.dismissPassword));
    EXPECT_EQ(app.tasks().slot(1).password, "");
    EXPECT_EQ(f.height(), 4110 + 2160);
    EXPECT_EQ(f.newPassword.text(), "abc") << "the boxes keep their text until the next opening";
    f.hintLine.setCaption("");
    ASSERT_TRUE(User::click(f.setTaskPassword));
    EXPECT_EQ(f.newPassword.text(), "");
    EXPECT_EQ(f.newPasswordAgain.text(), "");
    EXPECT_EQ(f.hintLine.caption(), "两次输入，以防错误")
        << "emptying the confirmation is a change";
}

TEST_F(TaskPasswordPanelTest, AfterDeliveryOrCancellationThePanelAsksNoOldPassword) {
    startTask(1, "10:00:30");
    startTask(2, "11:00:00");
    protect(1, "eins");
    protect(2, "zwei");
    p.time.advance(31000);
    ASSERT_FALSE(app.tasks().isRunning(1));
    ASSERT_TRUE(User::click(f.slotButton1));
    ASSERT_TRUE(User::click(f.setTaskPassword));
    EXPECT_FALSE(f.oldPassword.visible()) << "the delivery emptied the password";
    ASSERT_TRUE(User::click(f.dismissPassword));

    ASSERT_TRUE(User::click(f.cancelTask));  // 任务1's panel, waiting: cancelled at once
    ASSERT_TRUE(User::click(f.slotButton2));
    ASSERT_TRUE(User::click(f.cancelTask));
    ASSERT_TRUE(User::type(f.cancelPassword, "zwei"));
    ASSERT_TRUE(User::click(f.confirmCancel));
    ASSERT_TRUE(User::click(f.slotButton2));
    ASSERT_TRUE(User::click(f.setTaskPassword));
    EXPECT_FALSE(f.oldPassword.visible()) << "the cancellation emptied the password";
}

}  // namespace
