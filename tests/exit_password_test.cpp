// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app_fixture.h"

using tk::testing::typed;

namespace {

class ExitPasswordTest : public AppTest {
protected:
    ExitPasswordTest() {
        startAt(20, 0, 0);
        f.placedAt(9000, 3000);
    }

    const std::string& exitPassword() const { return app.exitPassword(); }

    void openSettings(Reply gate = ok()) {
        if (!exitPassword().empty()) p.boxes.reply(std::move(gate));
        ASSERT_TRUE(User::click(f.openSettings));
    }
    // 设置密码 switched on, the new password typed twice, then 修改.
    void setExitPassword(const std::string& password, const std::string& old = "") {
        if (f.exitPasswordOn.value() == 0) {
            ASSERT_TRUE(User::click(f.exitPasswordOn));
        }
        if (f.oldExitPassword.visible()) {
            ASSERT_TRUE(User::retype(f.oldExitPassword, old));
        }
        ASSERT_TRUE(User::retype(f.newExitPassword, password));
        ASSERT_TRUE(User::retype(f.exitPasswordAgain, password));
        p.boxes.reply(ok());
        ASSERT_TRUE(User::click(f.changeExitPassword));
    }
    std::string exitHint() {
        EXPECT_TRUE(User::hover(f.quit));
        return f.hintLine.caption();
    }
    bool fieldsShown() const {
        return f.newExitPassword.visible() && f.exitPasswordAgain.visible() &&
               f.changeExitPassword.visible();
    }
};

TEST_F(ExitPasswordTest, SettingsPanelComesInFromTheRightAndGoesBackExactly) {
    EXPECT_FALSE(User::canReach(f.exitPasswordOn));
    for (int round = 0; round < 2; ++round) {
        openSettings();
        EXPECT_EQ(f.left(), 9000 - 4230) << "the right edge stays put";
        EXPECT_EQ(f.width(), 5745 + 4230);
        EXPECT_TRUE(User::canReach(f.exitPasswordOn));
        EXPECT_TRUE(User::canReach(f.closeSettings));
        EXPECT_FALSE(User::canReach(f.slotButton1)) << "the reminder settings are disabled";
        EXPECT_FALSE(User::canReach(f.quit));
        ASSERT_TRUE(User::click(f.closeSettings));
        EXPECT_EQ(f.left(), 9000);
        EXPECT_EQ(f.width(), 5745);
        EXPECT_FALSE(f.displayPanel.enabled());
        EXPECT_FALSE(f.exitPasswordArea.enabled());
        EXPECT_TRUE(User::canReach(f.slotButton1));
        EXPECT_TRUE(User::canReach(f.quit));
    }
}

TEST_F(ExitPasswordTest, FirstSettingProtectsBothTheSettingsAndLeaving) {
    EXPECT_EQ(exitHint(), "全部退出");
    openSettings();
    ASSERT_TRUE(User::click(f.exitPasswordOn));
    EXPECT_TRUE(fieldsShown());
    EXPECT_FALSE(f.oldExitPassword.visible()) << "no old password to give yet";
    EXPECT_FALSE(f.oldExitPasswordCaption.visible());
    setExitPassword("Geheim");
    EXPECT_EQ(p.boxes.last().text, "设置成功！");
    EXPECT_EQ(p.boxes.last().title, "");
    EXPECT_FALSE(fieldsShown());
    EXPECT_EQ(f.exitPasswordOn.value(), 2) << "grayed";
    EXPECT_EQ(exitPassword(), "Geheim");
    EXPECT_EQ(f.newExitPassword.text(), "");
    ASSERT_TRUE(User::click(f.closeSettings));
    EXPECT_EQ(exitHint(), "全部退出（已加密）");

    for (const Reply& wrong : {typed("geheim"), typed(""), typed("Geheim "), cancel()}) {
        p.boxes.forget();
        openSettings(wrong);
        ASSERT_EQ(p.boxes.shown().size(), 1u) << "the gate, and no word after it";
        EXPECT_EQ(p.boxes.last().text, "需要密码");
        EXPECT_EQ(p.boxes.last().title, "");
        EXPECT_EQ(p.boxes.last().defaultText, "");
        EXPECT_EQ(p.boxes.last().echo, tk::Echo::Secret);
        EXPECT_EQ(f.width(), 5745);
    }
    openSettings(typed("Geheim"));
    EXPECT_EQ(f.width(), 5745 + 4230);
}

TEST_F(ExitPasswordTest, ModifyWithBothBoxesEmptySucceedsWithoutProtection) {
    openSettings();
    setExitPassword("");
    EXPECT_EQ(p.boxes.last().text, "设置成功！");
    EXPECT_EQ(exitPassword(), "");
    ASSERT_TRUE(User::click(f.closeSettings));
    EXPECT_EQ(exitHint(), "全部退出");
}

TEST_F(ExitPasswordTest, SwitchingOffAndOnBringsTheSavedPasswordBackWithoutModifying) {
    openSettings();
    setExitPassword("alt");
    ASSERT_TRUE(User::click(f.exitPasswordOn));
    EXPECT_EQ(f.exitPasswordOn.value(), 0) << "a click on the grayed state unchecks";
    EXPECT_EQ(exitPassword(), "") << "off at once, without being asked";
    EXPECT_FALSE(fieldsShown());
    ASSERT_TRUE(User::click(f.exitPasswordOn));
    EXPECT_EQ(exitPassword(), "alt") << "on again: the saved password is back";
    EXPECT_TRUE(f.oldExitPassword.visible());
    EXPECT_TRUE(f.oldExitPasswordCaption.visible());

    p.boxes.forget();
    setExitPassword("neu", "ALT");
    EXPECT_EQ(p.boxes.last().text, "原密码不正确，请重新输入");
    EXPECT_EQ(p.boxes.last().title, "不对！");
    setExitPassword("neu", " alt");
    EXPECT_EQ(p.boxes.last().text, "原密码不正确，请重新输入") << "compared exactly, spaces too";
    ASSERT_TRUE(User::retype(f.oldExitPassword, "alt"));
    ASSERT_TRUE(User::retype(f.exitPasswordAgain, "neu!"));
    ASSERT_TRUE(User::click(f.changeExitPassword));
    EXPECT_EQ(p.boxes.last().text, "两次输入密码不一致，请重新输入");
    EXPECT_EQ(p.boxes.last().title, "不对！");
    EXPECT_EQ(exitPassword(), "alt") << "a failed 修改 changes nothing";
    EXPECT_TRUE(fieldsShown());
    EXPECT_EQ(f.exitPasswordAgain.text(), "neu!");

    setExitPassword("neu", "alt");
    EXPECT_EQ(exitPassword(), "neu");
    EXPECT_FALSE(fieldsShown());
}

class LeavingTest : public ExitPasswordTest {
protected:
    void protectLeaving(const std::string& password) {
        openSettings();
        setExitPassword(password);
        ASSERT_TRUE(User::click(f.closeSettings));
        p.boxes.forget();
    }
    bool scolded() const {
        for (const auto& box : p.boxes.shown()) {
            if (box.title == "鄙视+ing") return true;
        }
        return false;
    }
};

TEST_F(LeavingTest, ExitAsksFirstAndWarnsThatNothingWillRemind) {
    p.boxes.reply(cancel());
    ASSERT_TRUE(User::click(f.quit));
    EXPECT_EQ(p.boxes.last().text, "你真的要退出吗？");
    EXPECT_EQ(p.boxes.last().title, "真的吗？");
    EXPECT_EQ(p.boxes.last().buttons, tk::Buttons::OkCancel);
    EXPECT_FALSE(p.program.ended());

    startTask(3, "21:00:00");
    p.boxes.forget();
    p.boxes.reply(ok());
    p.boxes.reply(ok());
    ASSERT_TRUE(User::click(f.quit));
    ASSERT_EQ(p.boxes.shown().size(), 2u);
    EXPECT_EQ(p.boxes.shown()[0].text, "有任务正在进行，是否退出？");
    EXPECT_EQ(p.boxes.shown()[0].title, "？？？");
    EXPECT_EQ(p.boxes.shown()[1].text, "退出后不会再提醒你了，请记住你要做的事情");
    EXPECT_EQ(p.boxes.shown()[1].title, "记住哦");
    EXPECT_TRUE(p.program.ended());
    EXPECT_EQ(p.lifetime.ends, 1);
    EXPECT_FALSE(scolded()) << "退出 runs no unload";
    EXPECT_EQ(f.slotTimer3.interval(), 0);
}

TEST_F(LeavingTest, WithAnExitPasswordOnlyTheExactOneLeavesAndOnlyAWrongOneIsTold) {
    protectLeaving("Tür");
    const std::pair<Reply, const char*> attempts[] = {{typed("tür"), "密码错误"},
                                                      {typed("Tür "), "密码错误"},
                                                      {typed(""), nullptr},
                                                      {cancel(), nullptr}};
    for (const auto& [answer, told] : attempts) {
        p.boxes.forget();
        p.boxes.reply(answer);
        ASSERT_TRUE(User::click(f.quit));
        EXPECT_EQ(p.boxes.shown()[0].text,
                  "为了使用户不会误退出，你已经将退出加密，请输入密码才能退出");
        EXPECT_EQ(p.boxes.shown()[0].title, "");
        EXPECT_EQ(p.boxes.shown()[0].echo, tk::Echo::Secret);
        if (told != nullptr) {
            ASSERT_EQ(p.boxes.shown().size(), 2u);
            EXPECT_EQ(p.boxes.last().text, told);
            EXPECT_EQ(p.boxes.last().title, "退出失败");
        } else {
            EXPECT_EQ(p.boxes.shown().size(), 1u);
        }
        EXPECT_FALSE(p.program.ended());
    }
    p.boxes.forget();
    p.boxes.reply(typed("Tür"));
    ASSERT_TRUE(User::click(f.quit));
    EXPECT_EQ(p.boxes.shown().size(), 1u) << "no confirmation, no farewell";
    EXPECT_TRUE(p.program.ended());
}

TEST_F(LeavingTest, ClosingByTheSystemScoldsAndEndsEvenWithAnExitPassword) {
    protectLeaving("x");
    User::closeWindow(f);
    ASSERT_EQ(p.boxes.shown().size(), 1u) << "no password asked";
    EXPECT_TRUE(scolded());
    EXPECT_TRUE(p.program.ended());
}

TEST_F(LeavingTest, HiddenWindowComesBackWithTheReminder) {
    startTask(1, "20:00:40");
    EXPECT_TRUE(User::hover(f.hideWindow));
    EXPECT_EQ(f.hintLine.caption(), "隐藏当前的窗口最小化");
    ASSERT_TRUE(User::click(f.hideWindow));
    EXPECT_EQ(f.windowState(), tk::WindowState::Minimized);
    EXPECT_FALSE(User::canReach(f.slotButton1));
    p.time.advance(41000);
    EXPECT_EQ(f.windowState(), tk::WindowState::Normal);
    EXPECT_FALSE(app.tasks().isRunning(1));
}

}  // namespace
