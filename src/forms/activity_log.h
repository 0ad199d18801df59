// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "toolkit/control.h"

// The activity log: every entry goes on top, under a line of hyphens, so the
// newest stands first and the banner stays last. Nothing ever removes one.
class ActivityLog {
public:
    static const std::string newLine;       // carriage return + line feed
    static const std::string logSeparator;  // newLine, 54 hyphens, newLine

    explicit ActivityLog(tk::TextBox& box) : box_(box) {}

    void write(const std::string& entry);

private:
    tk::TextBox& box_;
};
