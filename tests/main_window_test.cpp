// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <set>

#include "app_fixture.h"

namespace {

struct Row {
    const char* name;
    const char* parent;  // "" for the window itself
    const char* caption;
    tk::Rect at;
    bool visible;
    bool enabled;
};

// The main window as it is first shown, control by control.
// clang-format off
const Row kDesign[] = {
    {"Label1", "", "钟约系统", {1920, 0, 1995, 315}, true, true},
    {"Frame1", "", "提醒设置", {120, 360, 5535, 735}, true, true},
    {"Command1", "Frame1", "任务1(等待)", {120, 240, 1215, 375}, true, true},
    {"Command2", "Frame1", "任务2(等待)", {1440, 240, 1215, 375}, true, true},
    {"Command3", "Frame1", "任务3(等待)", {2760, 240, 1215, 375}, true, true},
    {"Command4", "Frame1", "任务4(等待)", {4080, 240, 1215, 375}, true, true},
    {"Frame2", "Frame1", "任务设置", {120, 720, 5295, 2055}, false, true},
    {"Frame4", "Frame1", "密码设置", {120, 2780, 5295, 1320}, false, true},
    {"Frame5", "Frame1", "取消任务", {120, 2880, 5295, 1215}, false, true},
    {"Label2", "Frame2", "标题：", {120, 240, 975, 255}, true, true},
    {"Text2", "Frame2", "", {1200, 240, 3975, 270}, true, true},
    {"Label9", "Frame2", "提醒内容：", {120, 540, 975, 255}, true, true},
    {"Text3", "Frame2", "", {1200, 540, 3975, 270}, true, true},
    {"Option1", "Frame2", "指定时间提醒", {240, 860, 1575, 270}, true, true},
    {"Combo1", "Frame2", "", {1920, 840, 615, 300}, true, true},
    {"Label3", "Frame2", "时", {2640, 880, 255, 255}, true, true},
    {"Combo2", "Frame2", "", {3000, 840, 615, 300}, true, true},
    {"Label4", "Frame2", "分", {3720, 880, 255, 255}, true, true},
    {"Combo3", "Frame2", "", {4080, 840, 615, 300}, true, true},
    {"Label5", "Frame2", "钞", {4800, 880, 255, 255}, true, true},
    {"Option2", "Frame2", "经过时间提醒", {240, 1220, 1575, 270}, true, true},
    {"Combo4", "Frame2", "", {1920, 1200, 615, 300}, true, false},
    {"Label8", "Frame2", "时", {2640, 1250, 255, 255}, true, true},
    {"Combo5", "Frame2", "", {3000, 1200, 615, 300}, true, false},
    {"Label7", "Frame2", "分", {3720, 1250, 255, 255}, true, true},
    {"Combo6", "Frame2", "", {4080, 1200, 615, 300}, true, false},
    {"Label6", "Frame2", "钞", {4800, 1250, 255, 255}, true, true},
    {"Command5", "Frame2", "开始任务", {240, 1560, 1095, 375}, true, true},
    {"Command18", "Frame2", "继续任务", {240, 1560, 1095, 375}, true, true},
    {"Command6", "Frame2", "取消任务", {1440, 1560, 1095, 375}, true, true},
    {"Command7", "Frame2", "任务信息", {2640, 1560, 1095, 375}, true, true},
    {"Command8", "Frame2", "设置密码", {3840, 1560, 1095, 375}, true, true},
    {"Label12", "Frame4", "原密码：", {120, 280, 1455, 275}, true, true},
    {"Text6", "Frame4", "", {1680, 240, 2175, 270}, true, true},
    {"Label10", "Frame4", "设置新密码：", {120, 645, 1455, 275}, true, true},
    {"Text4", "Frame4", "", {1680, 600, 2175, 270}, true, true},
    {"Label11", "Frame4", "再次确认密码：", {120, 990, 1455, 275}, true, true},
    {"Text5", "Frame4", "", {1680, 960, 2175, 270}, true, true},
    {"Command13", "Frame4", "确定", {3960, 240, 1215, 375}, true, true},
    {"Command14", "Frame4", "取消", {3960, 840, 1215, 375}, true, true},
    {"Label13", "Frame5", "请输入“设置密码”：", {360, 360, 1815, 255}, true, true},
    {"Text7", "Frame5", "", {2280, 240, 2775, 375}, true, true},
    {"Label14", "Frame5", "（本设置已加密）", {720, 840, 1455, 255}, true, true},
    {"Command16", "Frame5", "确定", {2280, 720, 1335, 375}, true, true},
    {"Command17", "Frame5", "取消", {3720, 720, 1335, 375}, true, true},
    {"Frame3", "", "工作环境", {120, 1120, 5535, 2895}, true, true},
    {"Label16", "Frame3", "", {120, 240, 5175, 180}, true, true},
    {"Command9", "Frame3", "隐藏", {120, 480, 1215, 375}, true, true},
    {"Command10", "Frame3", "设置", {1440, 480, 1215, 375}, true, true},
    {"Command11", "Frame3", "帮助", {2760, 480, 1215, 375}, true, true},
    {"Command12", "Frame3", "退出", {4080, 480, 1215, 375}, true, true},
    {"Text1", "Frame3", "", {120, 960, 5295, 1815}, true, true},
    {"Frame6", "", "显示设置", {5880, 360, 3975, 975}, true, true},
    {"Check1", "Frame6", "显示系统时间", {120, 240, 1455, 255}, true, true},
    {"Check2", "Frame6", "显示提示", {1800, 240, 1335, 255}, true, true},
    {"Check3", "Frame6", "背景颜色", {120, 600, 1095, 255}, true, true},
    {"Combo7", "Frame6", "", {1320, 600, 615, 300}, true, false},
    {"Check4", "Frame6", "字体景色", {2040, 600, 1095, 255}, true, true},
    {"Combo8", "Frame6", "", {3240, 600, 615, 300}, true, false},
    {"Frame7", "", "其他设置", {5880, 1350, 3975, 1980}, true, true},
    {"Check5", "Frame7", "设置密码", {360, 200, 1695, 255}, true, true},
    {"Label19", "Frame7", "  原密码：", {600, 520, 975, 255}, false, true},
    {"Text8", "Frame7", "", {1680, 480, 1935, 270}, false, true},
    {"Label17", "Frame7", "输入密码：", {600, 885, 975, 255}, false, true},
    {"Text9", "Frame7", "", {1680, 840, 1935, 270}, false, true},
    {"Label18", "Frame7", "确认密码：", {600, 1245, 975, 255}, false, true},
    {"Text10", "Frame7", "", {1680, 1200, 1935, 270}, false, true},
    {"Command15", "Frame7", "修改", {2520, 1515, 1095, 375}, false, true},
    {"Label15", "", "设置", {7440, 120, 975, 375}, true, true},
    {"Command19", "", "游戏", {7200, 3400, 1095, 375}, true, true},
    {"Command20", "", "确定", {8400, 3400, 1095, 375}, true, true},
};
// clang-format on

class MainWindowTest : public AppTest {
protected:
    MainWindowTest() { startAt(14, 5, 0); }
};

TEST_F(MainWindowTest, EveryControlStartsInItsDesignState) {
    EXPECT_EQ(f.caption(), "青竹白鹭2");
    EXPECT_EQ(f.width(), 5745);
    EXPECT_EQ(f.height(), 4110);
    EXPECT_EQ(f.design().back, 0xC0C0C0u);
    EXPECT_EQ(f.controls().size(), std::size(kDesign)) << "no control more, none less";
    for (const Row& row : kDesign) {
        SCOPED_TRACE(row.name);
        const tk::Control* c = User::find(f, row.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->parent() == nullptr ? "" : c->parent()->name(), row.parent);
        EXPECT_EQ(c->caption(), row.caption);
        EXPECT_EQ(c->geometry(), row.at);
        EXPECT_EQ(c->visible(), row.visible);
        EXPECT_EQ(c->enabled(), row.enabled);
    }
    EXPECT_FALSE(p.time.anyArmed()) << "no timer runs before a task starts";
}

TEST_F(MainWindowTest, AtFirstShowOnlyTitleSlotButtonsAndWorkingAreaAreOnScreen) {
    std::set<std::string> reachable;
    for (const auto& control : f.controls()) {
        if (User::canReach(*control)) reachable.insert(control->name());
    }
    const std::set<std::string> expected{
        "Label1",  "Frame1",   "Command1",  "Command2",  "Command3",  "Command4", "Frame3",
        "Label16", "Command9", "Command10", "Command11", "Command12", "Text1"};
    EXPECT_EQ(reachable, expected);
}

TEST_F(MainWindowTest, ColoursFontsListsAndBoxesAreAsDesigned) {
    EXPECT_EQ(f.heading.font(), (tk::Font{"楷体_GB2312", 15.75, false}));
    EXPECT_EQ(f.heading.alignment(), tk::Align::Center);
    EXPECT_EQ(f.settingsHeading.foreColor(), 0x0000FFu);
    EXPECT_EQ(f.settingsHeading.font(), (tk::Font{"楷体_GB2312", 14.25, true}));
    for (tk::Frame* frame : {&f.slotArea, &f.taskPanel, &f.workArea, &f.passwordPanel,
                             &f.cancelPanel, &f.displayPanel, &f.exitPasswordArea}) {
        EXPECT_EQ(frame->foreColor(), 0xFF0000u) << frame->name();
    }
    EXPECT_EQ(f.taskPanel.backColor(), 0xC0C0C0u);
    EXPECT_EQ(f.logBox.backColor(), 0x80C0FFu);
    EXPECT_EQ(f.logBox.foreColor(), 0x000000u);
    EXPECT_TRUE(f.logBox.multiLine());
    EXPECT_EQ(f.titleBox.text(), "Text2");
    EXPECT_EQ(f.contentBox.text(), "Text3");
    EXPECT_EQ(f.logBox.text(), "\r\n" + std::string(22, ' ') + "钟约系统\r\n");
    EXPECT_EQ(f.cancelPassword.font(), (tk::Font{"宋体", 10.5, false}));
    for (tk::ComboBox* combo : {&f.durationHours, &f.durationMinutes, &f.durationSeconds}) {
        EXPECT_EQ(combo->backColor(), 0x8000000Au);
    }
    for (tk::ComboBox* hours : {&f.clockHour, &f.durationHours}) {
        ASSERT_EQ(hours->items().size(), 24u);
        EXPECT_EQ(hours->items().front(), "00");
        EXPECT_EQ(hours->items().back(), "23");
    }
    for (tk::ComboBox* sixty :
         {&f.clockMinute, &f.clockSecond, &f.durationMinutes, &f.durationSeconds}) {
        ASSERT_EQ(sixty->items().size(), 60u);
        EXPECT_EQ(sixty->items()[7], "07");
        EXPECT_EQ(sixty->items().back(), "59");
    }
    const std::vector<std::string> colours{"黑", "白", "蓝", "绿", "红"};
    EXPECT_EQ(f.backColourList.items(), colours);
    EXPECT_EQ(f.textColourList.items(), colours);
    EXPECT_EQ(f.backColourList.backColor(), 0xFFFFFFu);
    for (const auto& control : f.controls()) {
        if (control->kind() == tk::Kind::ComboBox) {
            EXPECT_EQ(static_cast<tk::ComboBox&>(*control).listIndex(), -1) << control->name();
        }
    }
    for (tk::TextBox* box : {&f.newPassword, &f.newPasswordAgain, &f.oldPassword, &f.cancelPassword,
                             &f.oldExitPassword, &f.newExitPassword, &f.exitPasswordAgain}) {
        EXPECT_TRUE(box->password()) << box->name();
        EXPECT_EQ(box->maxLength(), 16) << box->name();
    }
    EXPECT_TRUE(f.atClockTime.value());
    EXPECT_FALSE(f.afterDuration.value());
    EXPECT_EQ(f.showHints.value(), 1);
    EXPECT_EQ(f.showClock.value() + f.logBackColour.value() + f.logTextColour.value() +
                  f.exitPasswordOn.value(),
              0);
}

TEST_F(MainWindowTest, LogEntriesGoOnTopAndTheBannerStaysLast) {
    const std::string banner = f.logBox.text();
    ActivityLog log(f.logBox);
    log.write("first");
    log.write("second");
    const std::string sep = "\r\n" + std::string(54, '-') + "\r\n";
    EXPECT_EQ(f.logBox.text(), sep + "second" + sep + "first" + banner);
}

TEST_F(MainWindowTest, TwoStartsInOneSecondStandInReverseOrder) {
    p.time.setTimeOfDay(14, 5, 10, 100);
    startTask(1, "15:00:00");
    startTask(2, "16:00:00");
    EXPECT_EQ(topEntry(), "14:05:10->任务2开始");
    const std::string& log = f.logBox.text();
    EXPECT_LT(log.find("->任务2开始"), log.find("->任务1开始"));
}

TEST_F(MainWindowTest, BlinkStartsWhiteThenAlternatesWithRed) {
    f.blinkTimer.setInterval(330);
    std::vector<tk::Color> colours;
    for (int i = 0; i < 4; ++i) {
        p.time.advance(330);
        colours.push_back(f.logBox.foreColor());
    }
    EXPECT_EQ(colours, (std::vector<tk::Color>{0xFFFFFF, 0x0000FF, 0xFFFFFF, 0x0000FF}));
}

}  // namespace
