// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>

class QScreen;
class QWidget;

namespace qtview {

// Where the program's windows and boxes go: whole on the work area of a
// screen (the screen less the desktop's panels), the title bar included.
// Positions are a top-level widget's pos(): before the window manager has
// framed a window, where its client area goes; afterwards, its frame's corner.

// The work area of the screen, or of the primary screen when there is none.
QRect workArea(const QScreen* screen);

// The least move from `at` that puts the window whole on the area, with the
// frame the window manager gives the program's windows. Where the area is
// too small for it, its top left corner, and so its title bar, stays on it.
QPoint keptWhole(const QWidget& window, QPoint at, const QRect& area);

// The window with its frame centred on the area, and whole on it.
QPoint centred(const QWidget& window, const QRect& area);

}  // namespace qtview
