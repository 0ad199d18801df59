// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>
#include <string>

namespace qtview {

// The program's pictures, drawn for `pixels` (their own size if empty), so
// that they are sharp at any scale: "icon" (32 x 32), "splash" (151 x 205) and
// "game" (352 x 288). An unknown name gives an empty picture.
QPixmap artwork(const std::string& name, QSize pixels = {});

// The window icon of the given picture: the icon's drawing at every size a
// desktop asks for.
QIcon windowIcon(const std::string& name);

// The icon's drawing rendered square, `size` pixels wide.
QPixmap iconAt(int size);

}  // namespace qtview
