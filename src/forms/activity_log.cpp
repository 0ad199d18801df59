// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/activity_log.h"

const std::string ActivityLog::newLine = "\r\n";
const std::string ActivityLog::logSeparator = newLine + std::string(54, '-') + newLine;

void ActivityLog::write(const std::string& entry) {
    box_.setText(logSeparator + entry + box_.text());
}
