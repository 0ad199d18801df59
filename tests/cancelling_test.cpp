// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app_fixture.h"

namespace {

class CancellingTest : public AppTest {
protected:
    CancellingTest() { startAt(9, 30, 0, 500); }

    void expectClosedLayout() {
        EXPECT_FALSE(f.taskPanel.visible());
        EXPECT_FALSE(f.cancelPanel.visible());
        EXPECT_EQ(f.height(), 4110);
        EXPECT_EQ(f.slotArea.height(), 735);
        EXPECT_EQ(f.workArea.top(), 1120);
        EXPECT_TRUE(f.workArea.enabled());
        for (int n = 1; n <= 4; ++n) EXPECT_TRUE(User::canReach(slotButton(n))) << n;
    }

    // A running slot protected by a password, with the cancel-with-password panel open.
    void openProtected(int slot, const std::string& password) {
        startTask(slot, "18:00:00");
        protect(slot, password);
        p.boxes.forget();
        ASSERT_TRUE(User::click(slotButton(slot)));
        ASSERT_TRUE(User::click(f.cancelTask));
    }
};

TEST_F(CancellingTest, ConfirmedCancelStopsTheSlotLogsAndClosesForEverySlot) {
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE(k);
        startTask(k, "18:00:00");
        ASSERT_TRUE(User::click(slotButton(k)));
        p.boxes.reply(ok());
        ASSERT_TRUE(User::click(f.cancelTask));
        EXPECT_EQ(p.boxes.last().text, "任务正在进行，你确定要取消吗？");
        EXPECT_EQ(p.boxes.last().title, "真的吗？");
        EXPECT_EQ(p.boxes.last().buttons, tk::Buttons::OkCancel);
        EXPECT_EQ(topEntry(), clock() + "->任务" + std::to_string(k) + "取消");
        EXPECT_EQ(slotButton(k).caption(), "任务" + std::to_string(k) + "(等待)");
        EXPECT_EQ(pollTimer(f, k).interval(), 0);
        expectClosedLayout();
    }
}

TEST_F(CancellingTest, AnsweringCancelChangesNothing) {
    startTask(3, "18:00:00");
    ASSERT_TRUE(User::click(f.slotButton3));
    const std::string log = f.logBox.text();
    p.boxes.reply(cancel());
    ASSERT_TRUE(User::click(f.cancelTask));
    EXPECT_EQ(f.logBox.text(), log);
    EXPECT_TRUE(app.tasks().isRunning(3));
    EXPECT_TRUE(f.taskPanel.visible());
}

TEST_F(CancellingTest, WaitingSlotIsDiscardedWithoutAQuestion) {
    ASSERT_TRUE(User::click(f.slotButton2));
    ASSERT_TRUE(User::type(f.contentBox, "草稿"));
    ASSERT_TRUE(User::click(f.cancelTask));
    EXPECT_TRUE(p.boxes.shown().empty());
    EXPECT_EQ(topEntry(), clock() + "->任务2取消" + MainForm::initialLog());
    EXPECT_EQ(f.titleBox.text(), "任务2");
    EXPECT_EQ(f.contentBox.text(), "");
    expectClosedLayout();
}

TEST_F(CancellingTest, ProtectedSlotAsksForThePasswordInItsOwnPanel) {
    openProtected(1, "abc");
    EXPECT_TRUE(p.boxes.shown().empty()) << "no question";
    EXPECT_TRUE(f.cancelPanel.visible());
    EXPECT_EQ(f.height(), 4110 + 2160 + 1300);
    EXPECT_EQ(f.slotArea.height(), 735 + 2160 + 1300);
    EXPECT_EQ(f.workArea.top(), 1120 + 2160 + 1300);
    EXPECT_FALSE(User::canReach(f.cancelTask));
    EXPECT_FALSE(User::canReach(f.continueTask)) << "the task settings panel is disabled";
    EXPECT_FALSE(User::canReach(f.quit));
    EXPECT_TRUE(User::canReach(f.cancelPassword));
    ASSERT_TRUE(User::type(f.cancelPassword, "abc"));
    ASSERT_TRUE(User::pressEnter(f)) << "Enter presses 确定";

    EXPECT_FALSE(app.tasks().isRunning(1));
    EXPECT_EQ(app.tasks().slot(1).password, "");
    EXPECT_EQ(topEntry(), clock() + "->任务1取消");
    expectClosedLayout();
    EXPECT_EQ(f.cancelPassword.text(), "");
    EXPECT_EQ(f.defaultButton(), &f.startTask);
    ASSERT_TRUE(User::click(f.slotButton1));
    ASSERT_TRUE(User::hover(f.cancelTask));
    EXPECT_EQ(f.hintLine.caption(), "取消当前任务");
}

TEST_F(CancellingTest, WrongPasswordIsRefusedLoggedAndLeavesTheTaskRunning) {
    for (const char* wrong : {"ABC", "abc ", ""}) {
        SCOPED_TRACE(wrong);
        if (!app.tasks().isRunning(4)) {
            openProtected(4, "abc");
        } else {
            ASSERT_TRUE(User::click(f.cancelTask));
        }
        ASSERT_TRUE(User::type(f.cancelPassword, wrong));
        ASSERT_TRUE(User::click(f.confirmCancel));
        EXPECT_EQ(p.boxes.last().text, "密码不正确，你没有权限取消他人的任务！");
        EXPECT_EQ(p.boxes.last().title, "我排斥你！！");
        EXPECT_EQ(topEntry(), clock() + "->任务4取消失败");
        EXPECT_TRUE(app.tasks().isRunning(4));
        EXPECT_EQ(app.tasks().slot(4).password, "abc");
        EXPECT_FALSE(f.cancelPanel.visible());
        EXPECT_TRUE(f.taskPanel.visible());
        EXPECT_TRUE(User::canReach(f.continueTask));
        EXPECT_FALSE(f.startTask.visible());
        EXPECT_FALSE(f.workArea.enabled()) << "the working area stays disabled";
        EXPECT_EQ(f.height(), 4110 + 2160);
    }
}

TEST_F(CancellingTest, RefusalShowsContinueEvenForAWaitingSlot) {
    protect(2, "pw");
    ASSERT_TRUE(User::click(f.cancelTask));
    ASSERT_TRUE(User::click(f.confirmCancel));
    EXPECT_EQ(p.boxes.last().title, "我鄙视你！！");
    EXPECT_TRUE(f.continueTask.visible());
    EXPECT_FALSE(f.startTask.visible());
    ASSERT_TRUE(User::click(f.continueTask));
    expectClosedLayout();
}

// The protected slot's reminder is delivered while its cancel-with-password
// panel is open, which empties the password the panel compares with.
class DeliveryDuringCancelPanelTest : public CancellingTest {
protected:
    void openThenDeliver(int slot) {
        startTask(slot, "09:31:00");
        protect(slot, "abc");
        ASSERT_TRUE(User::click(slotButton(slot)));
        ASSERT_TRUE(User::click(f.cancelTask));
        p.time.setTimeOfDay(9, 31, 1);
        ASSERT_EQ(app.tasks().slot(slot).password, "");
    }
};

TEST_F(DeliveryDuringCancelPanelTest, TheFormerPasswordIsRefused) {
    openThenDeliver(1);
    ASSERT_TRUE(User::type(f.cancelPassword, "abc"));
    ASSERT_TRUE(User::click(f.confirmCancel));
    EXPECT_EQ(p.boxes.last().title, "我警告你！！");
    ASSERT_TRUE(User::click(f.cancelTask));
    EXPECT_FALSE(f.cancelPanel.visible()) << "no password any more: no panel";
    EXPECT_EQ(topEntry(), clock() + "->任务1取消");
    expectClosedLayout();
}

TEST_F(DeliveryDuringCancelPanelTest, AnEmptyBoxCountsAsRight) {
    openThenDeliver(3);
    ASSERT_TRUE(User::click(f.confirmCancel));
    EXPECT_EQ(topEntry(), clock() + "->任务3取消");
    expectClosedLayout();
}

TEST_F(CancellingTest, CancelButtonOfThePasswordPanelReturnsWithTheWorkingAreaUsable) {
    openProtected(2, "pw");
    const std::string log = f.logBox.text();
    ASSERT_TRUE(User::type(f.cancelPassword, "x"));
    ASSERT_TRUE(User::click(f.dismissCancel));
    EXPECT_EQ(f.logBox.text(), log);
    EXPECT_TRUE(f.taskPanel.visible());
    EXPECT_TRUE(User::canReach(f.cancelTask));
    EXPECT_TRUE(User::canReach(f.quit)) << "the working area is usable again";
    EXPECT_EQ(f.cancelPassword.text(), "");
    EXPECT_EQ(f.height(), 4110 + 2160);
    EXPECT_TRUE(app.tasks().isRunning(2));
}

TEST_F(CancellingTest, ContinueClosesThePanelAndLeavesTheTaskAlone) {
    startTask(2, "09:30:40");
    ASSERT_TRUE(User::click(f.slotButton2));
    const std::string log = f.logBox.text();
    ASSERT_TRUE(User::click(f.continueTask));
    EXPECT_EQ(f.logBox.text(), log);
    expectClosedLayout();
    p.time.advance(40000);
    EXPECT_EQ(p.boxes.last().text, "任务2提醒");
}

TEST_F(CancellingTest, CancelHintNamesTheProtectionOfTheSelectedSlot) {
    ASSERT_TRUE(User::click(f.slotButton2));
    ASSERT_TRUE(User::hover(f.cancelTask));
    EXPECT_EQ(f.hintLine.caption(), "取消当前任务");
    setPasswordOfSelected("pw");
    ASSERT_TRUE(User::hover(f.cancelTask));
    EXPECT_EQ(f.hintLine.caption(), "任务2已加密");
    ASSERT_TRUE(User::hover(f.taskInfo));
    EXPECT_EQ(f.hintLine.caption(), "查看任务信息");
}

}  // namespace
