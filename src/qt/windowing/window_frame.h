// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <Qt>

class QPainter;
class QRect;
class QWidget;

namespace tk {
struct FormDesign;
}

namespace qtview {

// A caption or a sizable border gives a window a title bar.
bool hasTitleBar(const tk::FormDesign& design);

// What a window asks of the window manager: a title bar when it has a caption
// or a sizable border, never a system menu, a minimise or a maximise button.
// Closing stays allowed, so that Alt+F4 and the task bar still reach the
// window's unload handler.
Qt::WindowFlags windowFlags(const tk::FormDesign& design);

// A window without a title bar still has a fixed dialog border. Many window
// managers draw either a whole title bar or nothing for such a window, so it
// draws the border itself around its client area: this many pixels.
int drawnBorderWidth(const tk::FormDesign& design, double dpi);
void drawDialogBorder(QPainter& painter, const QRect& window, int width);

}  // namespace qtview
