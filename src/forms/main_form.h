// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/identity.h"
#include "forms/look.h"
#include "toolkit/form.h"

// The main window, control by control in its design-time state: name, parent,
// caption, left, top, width, height in twips, then what differs from the
// defaults. The behaviour lives in the subsystems that bind to these controls.
class MainForm : public tk::Form {
public:
    explicit MainForm(tk::Program& program);

    // The log's text when the window is created: a banner between two line breaks.
    static std::string initialLog();

    // clang-format off
    tk::Label& heading = add<tk::Label>("Label1", {.caption = identity::kName, .at = {1920, 0, 1995, 315}, .back = look::kGrey, .fore = look::kBlack, .font = look::kai(15.75), .align = tk::Align::Center, .autoSize = true});

    tk::Frame& slotArea = add<tk::Frame>("Frame1", {.caption = "提醒设置", .at = {120, 360, 5535, 735}, .fore = look::kBlue});
    tk::CommandButton& slotButton1 = add<tk::CommandButton>("Command1", slotArea, {.caption = "任务1(等待)", .at = {120, 240, 1215, 375}});
    tk::CommandButton& slotButton2 = add<tk::CommandButton>("Command2", slotArea, {.caption = "任务2(等待)", .at = {1440, 240, 1215, 375}});
    tk::CommandButton& slotButton3 = add<tk::CommandButton>("Command3", slotArea, {.caption = "任务3(等待)", .at = {2760, 240, 1215, 375}});
    tk::CommandButton& slotButton4 = add<tk::CommandButton>("Command4", slotArea, {.caption = "任务4(等待)", .at = {4080, 240, 1215, 375}});

    tk::Frame& taskPanel = add<tk::Frame>("Frame2", slotArea, {.caption = "任务设置", .at = {120, 720, 5295, 2055}, .visible = false, .back = look::kGrey, .fore = look::kBlue});
    tk::Label& titleCaption = add<tk::Label>("Label2", taskPanel, {.caption = "标题：", .at = {120, 240, 975, 255}, .back = look::kGrey, .align = tk::Align::Right});
    tk::TextBox& titleBox = add<tk::TextBox>("Text2", taskPanel, {.caption = "Text2", .at = {1200, 240, 3975, 270}});
    tk::Label& contentCaption = add<tk::Label>("Label9", taskPanel, {.caption = "提醒内容：", .at = {120, 540, 975, 255}, .back = look::kGrey, .align = tk::Align::Right});
    tk::TextBox& contentBox = add<tk::TextBox>("Text3", taskPanel, {.caption = "Text3", .at = {1200, 540, 3975, 270}});
    tk::OptionButton& atClockTime = add<tk::OptionButton>("Option1", taskPanel, {.caption = "指定时间提醒", .at = {240, 860, 1575, 270}, .back = look::kGrey, .value = 1});
    tk::ComboBox& clockHour = add<tk::ComboBox>("Combo1", taskPanel, {.at = {1920, 840, 615, 300}, .items = look::twoDigitItems(24), .description = "指定时间的时"});
    tk::Label& clockHourUnit = add<tk::Label>("Label3", taskPanel, {.caption = "时", .at = {2640, 880, 255, 255}, .back = look::kGrey});
    tk::ComboBox& clockMinute = add<tk::ComboBox>("Combo2", taskPanel, {.at = {3000, 840, 615, 300}, .items = look::twoDigitItems(60), .description = "指定时间的分"});
    tk::Label& clockMinuteUnit = add<tk::Label>("Label4", taskPanel, {.caption = "分", .at = {3720, 880, 255, 255}});
    tk::ComboBox& clockSecond = add<tk::ComboBox>("Combo3", taskPanel, {.at = {4080, 840, 615, 300}, .items = look::twoDigitItems(60), .description = "指定时间的秒"});
    tk::Label& clockSecondUnit = add<tk::Label>("Label5", taskPanel, {.caption = "钞", .at = {4800, 880, 255, 255}});
    tk::OptionButton& afterDuration = add<tk::OptionButton>("Option2", taskPanel, {.caption = "经过时间提醒", .at = {240, 1220, 1575, 270}, .back = look::kGrey});
    tk::ComboBox& durationHours = add<tk::ComboBox>("Combo4", taskPanel, {.at = {1920, 1200, 615, 300}, .enabled = false, .back = tk::sys::kActiveBorder, .items = look::twoDigitItems(24), .description = "经过时间的小时数"});
    tk::Label& durationHoursUnit = add<tk::Label>("Label8", taskPanel, {.caption = "时", .at = {2640, 1250, 255, 255}, .back = look::kGrey});
    tk::ComboBox& durationMinutes = add<tk::ComboBox>("Combo5", taskPanel, {.at = {3000, 1200, 615, 300}, .enabled = false, .back = tk::sys::kActiveBorder, .items = look::twoDigitItems(60), .description = "经过时间的分钟数"});
    tk::Label& durationMinutesUnit = add<tk::Label>("Label7", taskPanel, {.caption = "分", .at = {3720, 1250, 255, 255}});
    tk::ComboBox& durationSeconds = add<tk::ComboBox>("Combo6", taskPanel, {.at = {4080, 1200, 615, 300}, .enabled = false, .back = tk::sys::kActiveBorder, .items = look::twoDigitItems(60), .description = "经过时间的秒数"});
    tk::Label& durationSecondsUnit = add<tk::Label>("Label6", taskPanel, {.caption = "钞", .at = {4800, 1250, 255, 255}});
    tk::CommandButton& startTask = add<tk::CommandButton>("Command5", taskPanel, {.caption = "开始任务", .at = {240, 1560, 1095, 375}});
    tk::CommandButton& continueTask = add<tk::CommandButton>("Command18", taskPanel, {.caption = "继续任务", .at = {240, 1560, 1095, 375}});
    tk::CommandButton& cancelTask = add<tk::CommandButton>("Command6", taskPanel, {.caption = "取消任务", .at = {1440, 1560, 1095, 375}});
    tk::CommandButton& taskInfo = add<tk::CommandButton>("Command7", taskPanel, {.caption = "任务信息", .at = {2640, 1560, 1095, 375}});
    tk::CommandButton& setTaskPassword = add<tk::CommandButton>("Command8", taskPanel, {.caption = "设置密码", .at = {3840, 1560, 1095, 375}});

    tk::Frame& passwordPanel = add<tk::Frame>("Frame4", slotArea, {.caption = "密码设置", .at = {120, 2780, 5295, 1320}, .visible = false, .fore = look::kBlue});
    tk::Label& oldPasswordCaption = add<tk::Label>("Label12", passwordPanel, {.caption = "原密码：", .at = {120, 280, 1455, 275}, .align = tk::Align::Right});
    tk::TextBox& oldPassword = add<tk::TextBox>("Text6", passwordPanel, {.at = {1680, 240, 2175, 270}, .password = true, .maxLength = 16, .tabIndex = 0});
    tk::Label& newPasswordCaption = add<tk::Label>("Label10", passwordPanel, {.caption = "设置新密码：", .at = {120, 645, 1455, 275}, .align = tk::Align::Right});
    tk::TextBox& newPassword = add<tk::TextBox>("Text4", passwordPanel, {.at = {1680, 600, 2175, 270}, .password = true, .maxLength = 16, .tabIndex = 1});
    tk::Label& newPasswordAgainCaption = add<tk::Label>("Label11", passwordPanel, {.caption = "再次确认密码：", .at = {120, 990, 1455, 275}, .align = tk::Align::Right});
    tk::TextBox& newPasswordAgain = add<tk::TextBox>("Text5", passwordPanel, {.at = {1680, 960, 2175, 270}, .password = true, .maxLength = 16, .tabIndex = 2});
    tk::CommandButton& confirmPassword = add<tk::CommandButton>("Command13", passwordPanel, {.caption = "确定", .at = {3960, 240, 1215, 375}, .tabIndex = 3});
    tk::CommandButton& dismissPassword = add<tk::CommandButton>("Command14", passwordPanel, {.caption = "取消", .at = {3960, 840, 1215, 375}, .tabIndex = 4});

    tk::Frame& cancelPanel = add<tk::Frame>("Frame5", slotArea, {.caption = "取消任务", .at = {120, 2880, 5295, 1215}, .visible = false, .fore = look::kBlue});
    tk::Label& cancelPasswordCaption = add<tk::Label>("Label13", cancelPanel, {.caption = "请输入“设置密码”：", .at = {360, 360, 1815, 255}});
    tk::TextBox& cancelPassword = add<tk::TextBox>("Text7", cancelPanel, {.at = {2280, 240, 2775, 375}, .font = look::song(10.5), .password = true, .maxLength = 16});
    tk::Label& encryptedNote = add<tk::Label>("Label14", cancelPanel, {.caption = "（本设置已加密）", .at = {720, 840, 1455, 255}});
    tk::CommandButton& confirmCancel = add<tk::CommandButton>("Command16", cancelPanel, {.caption = "确定", .at = {2280, 720, 1335, 375}});
    tk::CommandButton& dismissCancel = add<tk::CommandButton>("Command17", cancelPanel, {.caption = "取消", .at = {3720, 720, 1335, 375}});

    tk::Frame& workArea = add<tk::Frame>("Frame3", {.caption = "工作环境", .at = {120, 1120, 5535, 2895}, .fore = look::kBlue});
    tk::Label& hintLine = add<tk::Label>("Label16", workArea, {.at = {120, 240, 5175, 180}, .back = look::kGrey, .description = "提示行"});
    tk::CommandButton& hideWindow = add<tk::CommandButton>("Command9", workArea, {.caption = "隐藏", .at = {120, 480, 1215, 375}});
    tk::CommandButton& openSettings = add<tk::CommandButton>("Command10", workArea, {.caption = "设置", .at = {1440, 480, 1215, 375}});
    tk::CommandButton& help = add<tk::CommandButton>("Command11", workArea, {.caption = "帮助", .at = {2760, 480, 1215, 375}});
    tk::CommandButton& quit = add<tk::CommandButton>("Command12", workArea, {.caption = "退出", .at = {4080, 480, 1215, 375}});
    tk::TextBox& logBox = add<tk::TextBox>("Text1", workArea, {.caption = initialLog(), .at = {120, 960, 5295, 1815}, .back = look::kLogOrange, .fore = look::kBlack, .multiLine = true, .locked = true, .description = "活动记录"});

    tk::Frame& displayPanel = add<tk::Frame>("Frame6", {.caption = "显示设置", .at = {5880, 360, 3975, 975}, .fore = look::kBlue});
    tk::CheckBox& showClock = add<tk::CheckBox>("Check1", displayPanel, {.caption = "显示系统时间", .at = {120, 240, 1455, 255}});
    tk::CheckBox& showHints = add<tk::CheckBox>("Check2", displayPanel, {.caption = "显示提示", .at = {1800, 240, 1335, 255}, .value = 1});
    tk::CheckBox& logBackColour = add<tk::CheckBox>("Check3", displayPanel, {.caption = "背景颜色", .at = {120, 600, 1095, 255}});
    tk::ComboBox& backColourList = add<tk::ComboBox>("Combo7", displayPanel, {.at = {1320, 600, 615, 300}, .enabled = false, .back = look::kWhite, .items = look::colourItems()});
    tk::CheckBox& logTextColour = add<tk::CheckBox>("Check4", displayPanel, {.caption = "字体景色", .at = {2040, 600, 1095, 255}});
    tk::ComboBox& textColourList = add<tk::ComboBox>("Combo8", displayPanel, {.at = {3240, 600, 615, 300}, .enabled = false, .items = look::colourItems()});

    tk::Frame& exitPasswordArea = add<tk::Frame>("Frame7", {.caption = "其他设置", .at = {5880, 1350, 3975, 1980}, .fore = look::kBlue});
    tk::CheckBox& exitPasswordOn = add<tk::CheckBox>("Check5", exitPasswordArea, {.caption = "设置密码", .at = {360, 200, 1695, 255}});
    tk::Label& oldExitPasswordCaption = add<tk::Label>("Label19", exitPasswordArea, {.caption = "  原密码：", .at = {600, 520, 975, 255}, .visible = false});
    tk::TextBox& oldExitPassword = add<tk::TextBox>("Text8", exitPasswordArea, {.at = {1680, 480, 1935, 270}, .visible = false, .password = true, .maxLength = 16});
    tk::Label& newExitPasswordCaption = add<tk::Label>("Label17", exitPasswordArea, {.caption = "输入密码：", .at = {600, 885, 975, 255}, .visible = false});
    tk::TextBox& newExitPassword = add<tk::TextBox>("Text9", exitPasswordArea, {.at = {1680, 840, 1935, 270}, .visible = false, .password = true, .maxLength = 16});
    tk::Label& exitPasswordAgainCaption = add<tk::Label>("Label18", exitPasswordArea, {.caption = "确认密码：", .at = {600, 1245, 975, 255}, .visible = false});
    tk::TextBox& exitPasswordAgain = add<tk::TextBox>("Text10", exitPasswordArea, {.at = {1680, 1200, 1935, 270}, .visible = false, .password = true, .maxLength = 16});
    tk::CommandButton& changeExitPassword = add<tk::CommandButton>("Command15", exitPasswordArea, {.caption = "修改", .at = {2520, 1515, 1095, 375}, .visible = false});

    tk::Label& settingsHeading = add<tk::Label>("Label15", {.caption = "设置", .at = {7440, 120, 975, 375}, .fore = look::kRed, .font = look::kai(14.25, true), .align = tk::Align::Center});
    tk::CommandButton& openGame = add<tk::CommandButton>("Command19", {.caption = "游戏", .at = {7200, 3400, 1095, 375}});
    tk::CommandButton& closeSettings = add<tk::CommandButton>("Command20", {.caption = "确定", .at = {8400, 3400, 1095, 375}});

    tk::Timer& slotTimer1 = addTimer("Timer1");
    tk::Timer& slotTimer2 = addTimer("Timer2");
    tk::Timer& slotTimer3 = addTimer("Timer3");
    tk::Timer& slotTimer4 = addTimer("Timer4");
    tk::Timer& titleClock = addTimer("Timer5");
    tk::Timer& blinkTimer = addTimer("Timer6");
    // clang-format on
};
