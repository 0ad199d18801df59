#pragma once

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
    tk::Label& Label1 = add<tk::Label>("Label1", {.caption = "钟约系统", .at = {1920, 0, 1995, 315}, .back = look::kGrey, .fore = look::kBlack, .font = look::kai(15.75), .align = tk::Align::Center, .autoSize = true});

    tk::Frame& Frame1 = add<tk::Frame>("Frame1", {.caption = "提醒设置", .at = {120, 360, 5535, 735}, .fore = look::kBlue});
    tk::CommandButton& Command1 = add<tk::CommandButton>("Command1", Frame1, {.caption = "任务1(等待)", .at = {120, 240, 1215, 375}});
    tk::CommandButton& Command2 = add<tk::CommandButton>("Command2", Frame1, {.caption = "任务2(等待)", .at = {1440, 240, 1215, 375}});
    tk::CommandButton& Command3 = add<tk::CommandButton>("Command3", Frame1, {.caption = "任务3(等待)", .at = {2760, 240, 1215, 375}});
    tk::CommandButton& Command4 = add<tk::CommandButton>("Command4", Frame1, {.caption = "任务4(等待)", .at = {4080, 240, 1215, 375}});

    tk::Frame& Frame2 = add<tk::Frame>("Frame2", Frame1, {.caption = "任务设置", .at = {120, 720, 5295, 2055}, .visible = false, .back = look::kGrey, .fore = look::kBlue});
    tk::Label& Label2 = add<tk::Label>("Label2", Frame2, {.caption = "标题：", .at = {120, 240, 975, 255}, .back = look::kGrey, .align = tk::Align::Right});
    tk::TextBox& Text2 = add<tk::TextBox>("Text2", Frame2, {.caption = "Text2", .at = {1200, 240, 3975, 270}});
    tk::Label& Label9 = add<tk::Label>("Label9", Frame2, {.caption = "提醒内容：", .at = {120, 540, 975, 255}, .back = look::kGrey, .align = tk::Align::Right});
    tk::TextBox& Text3 = add<tk::TextBox>("Text3", Frame2, {.caption = "Text3", .at = {1200, 540, 3975, 270}});
    tk::OptionButton& Option1 = add<tk::OptionButton>("Option1", Frame2, {.caption = "指定时间提醒", .at = {240, 860, 1575, 270}, .back = look::kGrey, .value = 1});
    tk::ComboBox& Combo1 = add<tk::ComboBox>("Combo1", Frame2, {.at = {1920, 840, 615, 300}, .items = look::twoDigitItems(24)});
    tk::Label& Label3 = add<tk::Label>("Label3", Frame2, {.caption = "时", .at = {2640, 880, 255, 255}, .back = look::kGrey});
    tk::ComboBox& Combo2 = add<tk::ComboBox>("Combo2", Frame2, {.at = {3000, 840, 615, 300}, .items = look::twoDigitItems(60)});
    tk::Label& Label4 = add<tk::Label>("Label4", Frame2, {.caption = "分", .at = {3720, 880, 255, 255}});
    tk::ComboBox& Combo3 = add<tk::ComboBox>("Combo3", Frame2, {.at = {4080, 840, 615, 300}, .items = look::twoDigitItems(60)});
    tk::Label& Label5 = add<tk::Label>("Label5", Frame2, {.caption = "钞", .at = {4800, 880, 255, 255}});
    tk::OptionButton& Option2 = add<tk::OptionButton>("Option2", Frame2, {.caption = "经过时间提醒", .at = {240, 1220, 1575, 270}, .back = look::kGrey});
    tk::ComboBox& Combo4 = add<tk::ComboBox>("Combo4", Frame2, {.at = {1920, 1200, 615, 300}, .enabled = false, .back = tk::sys::kActiveBorder, .items = look::twoDigitItems(24)});
    tk::Label& Label8 = add<tk::Label>("Label8", Frame2, {.caption = "时", .at = {2640, 1250, 255, 255}, .back = look::kGrey});
    tk::ComboBox& Combo5 = add<tk::ComboBox>("Combo5", Frame2, {.at = {3000, 1200, 615, 300}, .enabled = false, .back = tk::sys::kActiveBorder, .items = look::twoDigitItems(60)});
    tk::Label& Label7 = add<tk::Label>("Label7", Frame2, {.caption = "分", .at = {3720, 1250, 255, 255}});
    tk::ComboBox& Combo6 = add<tk::ComboBox>("Combo6", Frame2, {.at = {4080, 1200, 615, 300}, .enabled = false, .back = tk::sys::kActiveBorder, .items = look::twoDigitItems(60)});
    tk::Label& Label6 = add<tk::Label>("Label6", Frame2, {.caption = "钞", .at = {4800, 1250, 255, 255}});
    tk::CommandButton& Command5 = add<tk::CommandButton>("Command5", Frame2, {.caption = "开始任务", .at = {240, 1560, 1095, 375}});
    tk::CommandButton& Command18 = add<tk::CommandButton>("Command18", Frame2, {.caption = "继续任务", .at = {240, 1560, 1095, 375}});
    tk::CommandButton& Command6 = add<tk::CommandButton>("Command6", Frame2, {.caption = "取消任务", .at = {1440, 1560, 1095, 375}});
    tk::CommandButton& Command7 = add<tk::CommandButton>("Command7", Frame2, {.caption = "任务信息", .at = {2640, 1560, 1095, 375}});
    tk::CommandButton& Command8 = add<tk::CommandButton>("Command8", Frame2, {.caption = "设置密码", .at = {3840, 1560, 1095, 375}});

    tk::Frame& Frame4 = add<tk::Frame>("Frame4", Frame1, {.caption = "密码设置", .at = {120, 2780, 5295, 1320}, .visible = false, .fore = look::kBlue});
    tk::Label& Label12 = add<tk::Label>("Label12", Frame4, {.caption = "原密码：", .at = {120, 280, 1455, 275}, .align = tk::Align::Right});
    tk::TextBox& Text6 = add<tk::TextBox>("Text6", Frame4, {.at = {1680, 240, 2175, 270}, .password = true, .maxLength = 16, .tabIndex = 0});
    tk::Label& Label10 = add<tk::Label>("Label10", Frame4, {.caption = "设置新密码：", .at = {120, 645, 1455, 275}, .align = tk::Align::Right});
    tk::TextBox& Text4 = add<tk::TextBox>("Text4", Frame4, {.at = {1680, 600, 2175, 270}, .password = true, .maxLength = 16, .tabIndex = 1});
    tk::Label& Label11 = add<tk::Label>("Label11", Frame4, {.caption = "再次确认密码：", .at = {120, 990, 1455, 275}, .align = tk::Align::Right});
    tk::TextBox& Text5 = add<tk::TextBox>("Text5", Frame4, {.at = {1680, 960, 2175, 270}, .password = true, .maxLength = 16, .tabIndex = 2});
    tk::CommandButton& Command13 = add<tk::CommandButton>("Command13", Frame4, {.caption = "确定", .at = {3960, 240, 1215, 375}, .tabIndex = 3});
    tk::CommandButton& Command14 = add<tk::CommandButton>("Command14", Frame4, {.caption = "取消", .at = {3960, 840, 1215, 375}, .tabIndex = 4});

    tk::Frame& Frame5 = add<tk::Frame>("Frame5", Frame1, {.caption = "取消任务", .at = {120, 2880, 5295, 1215}, .visible = false, .fore = look::kBlue});
    tk::Label& Label13 = add<tk::Label>("Label13", Frame5, {.caption = "请输入“设置密码”：", .at = {360, 360, 1815, 255}});
    tk::TextBox& Text7 = add<tk::TextBox>("Text7", Frame5, {.at = {2280, 240, 2775, 375}, .font = look::song(10.5), .password = true, .maxLength = 16});
    tk::Label& Label14 = add<tk::Label>("Label14", Frame5, {.caption = "（本设置已加密）", .at = {720, 840, 1455, 255}});
    tk::CommandButton& Command16 = add<tk::CommandButton>("Command16", Frame5, {.caption = "确定", .at = {2280, 720, 1335, 375}});
    tk::CommandButton& Command17 = add<tk::CommandButton>("Command17", Frame5, {.caption = "取消", .at = {3720, 720, 1335, 375}});

    tk::Frame& Frame3 = add<tk::Frame>("Frame3", {.caption = "工作环境", .at = {120, 1120, 5535, 2895}, .fore = look::kBlue});
    tk::Label& Label16 = add<tk::Label>("Label16", Frame3, {.at = {120, 240, 5175, 180}, .back = look::kGrey, .description = "提示行"});
    tk::CommandButton& Command9 = add<tk::CommandButton>("Command9", Frame3, {.caption = "隐藏", .at = {120, 480, 1215, 375}});
    tk::CommandButton& Command10 = add<tk::CommandButton>("Command10", Frame3, {.caption = "设置", .at = {1440, 480, 1215, 375}});
    tk::CommandButton& Command11 = add<tk::CommandButton>("Command11", Frame3, {.caption = "帮助", .at = {2760, 480, 1215, 375}});
    tk::CommandButton& Command12 = add<tk::CommandButton>("Command12", Frame3, {.caption = "退出", .at = {4080, 480, 1215, 375}});
    tk::TextBox& Text1 = add<tk::TextBox>("Text1", Frame3, {.caption = initialLog(), .at = {120, 960, 5295, 1815}, .back = look::kLogOrange, .fore = look::kBlack, .multiLine = true, .locked = true, .description = "活动记录"});

    tk::Frame& Frame6 = add<tk::Frame>("Frame6", {.caption = "显示设置", .at = {5880, 360, 3975, 975}, .fore = look::kBlue});
    tk::CheckBox& Check1 = add<tk::CheckBox>("Check1", Frame6, {.caption = "显示系统时间", .at = {120, 240, 1455, 255}});
    tk::CheckBox& Check2 = add<tk::CheckBox>("Check2", Frame6, {.caption = "显示提示", .at = {1800, 240, 1335, 255}, .value = 1});
    tk::CheckBox& Check3 = add<tk::CheckBox>("Check3", Frame6, {.caption = "背景颜色", .at = {120, 600, 1095, 255}});
    tk::ComboBox& Combo7 = add<tk::ComboBox>("Combo7", Frame6, {.at = {1320, 600, 615, 300}, .enabled = false, .back = look::kWhite, .items = {"黑", "白", "蓝", "绿", "红"}});
    tk::CheckBox& Check4 = add<tk::CheckBox>("Check4", Frame6, {.caption = "字体景色", .at = {2040, 600, 1095, 255}});
    tk::ComboBox& Combo8 = add<tk::ComboBox>("Combo8", Frame6, {.at = {3240, 600, 615, 300}, .enabled = false, .items = {"黑", "白", "蓝", "绿", "红"}});

    tk::Frame& Frame7 = add<tk::Frame>("Frame7", {.caption = "其他设置", .at = {5880, 1350, 3975, 1980}, .fore = look::kBlue});
    tk::CheckBox& Check5 = add<tk::CheckBox>("Check5", Frame7, {.caption = "设置密码", .at = {360, 200, 1695, 255}});
    tk::Label& Label19 = add<tk::Label>("Label19", Frame7, {.caption = "  原密码：", .at = {600, 520, 975, 255}, .visible = false});
    tk::TextBox& Text8 = add<tk::TextBox>("Text8", Frame7, {.at = {1680, 480, 1935, 270}, .visible = false, .password = true, .maxLength = 16});
    tk::Label& Label17 = add<tk::Label>("Label17", Frame7, {.caption = "输入密码：", .at = {600, 885, 975, 255}, .visible = false});
    tk::TextBox& Text9 = add<tk::TextBox>("Text9", Frame7, {.at = {1680, 840, 1935, 270}, .visible = false, .password = true, .maxLength = 16});
    tk::Label& Label18 = add<tk::Label>("Label18", Frame7, {.caption = "确认密码：", .at = {600, 1245, 975, 255}, .visible = false});
    tk::TextBox& Text10 = add<tk::TextBox>("Text10", Frame7, {.at = {1680, 1200, 1935, 270}, .visible = false, .password = true, .maxLength = 16});
    tk::CommandButton& Command15 = add<tk::CommandButton>("Command15", Frame7, {.caption = "修改", .at = {2520, 1515, 1095, 375}, .visible = false});

    tk::Label& Label15 = add<tk::Label>("Label15", {.caption = "设置", .at = {7440, 120, 975, 375}, .fore = look::kRed, .font = look::kai(14.25, true), .align = tk::Align::Center});
    tk::CommandButton& Command19 = add<tk::CommandButton>("Command19", {.caption = "游戏", .at = {7200, 3400, 1095, 375}});
    tk::CommandButton& Command20 = add<tk::CommandButton>("Command20", {.caption = "确定", .at = {8400, 3400, 1095, 375}});

    tk::Timer& Timer1 = addTimer("Timer1");
    tk::Timer& Timer2 = addTimer("Timer2");
    tk::Timer& Timer3 = addTimer("Timer3");
    tk::Timer& Timer4 = addTimer("Timer4");
    tk::Timer& Timer5 = addTimer("Timer5");
    tk::Timer& Timer6 = addTimer("Timer6");
    // clang-format on
};
