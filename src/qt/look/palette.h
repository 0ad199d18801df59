// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

#include "toolkit/types.h"

namespace qtview {

// Packed 0x00BBGGRR to a colour. System colours take the classic desktop
// scheme the windows were drawn for (grey faces, white boxes, black text),
// so the windows look the same whatever the desktop's theme.
QColor toQColor(tk::Color color);

}  // namespace qtview
