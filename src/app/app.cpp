// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app.h"

App::App(tk::Program& program) : splashForm_(program), mainForm_(program), gameForm_(program) {}
