// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <string>

#include "toolkit/types.h"

namespace qtview {

// The installed face that draws a Windows family the interface asks for
// (楷体_GB2312, 宋体, 隶书, or "" for the default): the first of facesFor()
// that is installed.
QString installedFamilyFor(const std::string& windowsFamily);
QFont toQFont(const tk::Font& font);

// The pixels that text drawn in a rectangle with these flags (those of
// QPainter::drawText) inks on a device with this pixel ratio: what lies
// outside the rectangle is cut off. Empty for text without ink.
QRect inkOf(const QFont& font, const QRect& rect, int flags, const QString& text, qreal ratio);

}  // namespace qtview
