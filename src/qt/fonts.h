// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>
#include <string>

#include "toolkit/types.h"

namespace qtview {

// The installed family that stands in for a Windows family the interface asks
// for (楷体_GB2312, 宋体, 隶书, or "" for the default); every one of them
// renders every Chinese character of the interface.
QString installedFamilyFor(const std::string& windowsFamily);
QFont toQFont(const tk::Font& font);

}  // namespace qtview
