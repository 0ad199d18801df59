// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/splash_form.h"

#include "forms/identity.h"

SplashForm::SplashForm(tk::Program& program)
    : tk::Form(program, "frmSplash",
               {.width = 7110,
                .height = 3870,
                .back = look::kBlack,
                .icon = "icon",
                .inTaskBar = false,
                .description = identity::kName}) {}
