// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms/look.h"
#include "toolkit/form.h"

// The start-up window: a black backdrop with the product's name, shown for
// three seconds after the user has said yes to the start-up question.
class SplashForm : public tk::Form {
public:
    explicit SplashForm(tk::Program& program);

    // clang-format off
    tk::Frame& backdrop = add<tk::Frame>("Frame1", {.at = {-120, -120, 7320, 4050}, .back = look::kBlack});
    tk::Picture& picture = add<tk::Picture>("Image1", backdrop, {.at = {240, 360, 2175, 2985}, .picture = "splash"});
    tk::Picture& logo = add<tk::Picture>("imgLogo", backdrop, {.at = {2520, 1320, 495, 465}, .picture = "icon"});
    tk::Label& licensee = add<tk::Label>("lblLicenseTo", backdrop, {.at = {120, 240, 6855, 255}, .back = look::kBlack, .fore = look::kWhite});
    tk::Label& productName = add<tk::Label>("lblProductName", backdrop, {.caption = "钟约", .at = {3120, 1200, 2655, 645}, .back = look::kBlack, .fore = look::kWhite, .font = look::song(32.25, true)});
    tk::Label& platformLine = add<tk::Label>("lblPlatform", backdrop, {.caption = "平台：Windows9x/NT/2000/xp/2003", .at = {2595, 2040, 4155, 240}, .back = look::kBlack, .fore = look::kWhite, .font = look::song(12, true), .align = tk::Align::Right});
    tk::Label& version = add<tk::Label>("lblVersion", backdrop, {.caption = "版本 1.0", .at = {5295, 2400, 1455, 240}, .back = look::kBlack, .fore = look::kWhite, .font = look::song(12, true), .align = tk::Align::Right});
    tk::Label& usageLine = add<tk::Label>("lblWarning", backdrop, {.caption = "可依 GNU GPL 第3版或更新版本使用、修改和再发布，不提供任何担保。", .at = {150, 3660, 6765, 195}, .back = look::kBlack, .fore = look::kWhite});
    tk::Label& rightsLine = add<tk::Label>("lblCopyright", backdrop, {.caption = "© 2026 钟约小组，自由软件", .at = {4440, 2880, 2415, 255}, .back = look::kBlack, .fore = look::kWhite});
    tk::Label& maker = add<tk::Label>("lblCompany", backdrop, {.caption = "钟约小组 出品", .at = {4440, 3240, 2415, 255}, .back = look::kBlack, .fore = look::kWhite});
    tk::Timer& handOverTimer = addTimer("Timer1");
    // clang-format on
};
