// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <string>

#include "toolkit/types.h"

namespace qtview {

// Packed 0x00BBGGRR to a colour. System colours take the classic desktop
// scheme the windows were drawn for (grey faces, white boxes, black text),
// so the windows look the same whatever the desktop's theme.
QColor toQColor(tk::Color color);

// The installed family that stands in for a Windows family the interface asks
// for (楷体_GB2312, 宋体, 隶书, or "" for the default); every one of them
// renders every Chinese character of the interface.
QString installedFamilyFor(const std::string& windowsFamily);
QFont toQFont(const tk::Font& font);

// Twips to device-independent pixels at `dpi` (logical dots per inch).
int twipsToPixels(int twips, double dpi);
int pixelsToTwips(int pixels, double dpi);

}  // namespace qtview
