// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace tk {
struct FormDesign;
}

namespace qtview {

// What Qt has no flag for, asked of the window system before the window is
// first shown: on X the Motif hints without a system menu (Qt adds one with
// a close button) and minimising allowed (though not offered) where the
// program minimises the window; on both X and Windows no entry in the task
// bar for a window that has none. Nothing happens on Qt's other platform plugins (offscreen,
// Wayland).
void setFrameAndTaskBarHints(QWidget& window, const tk::FormDesign& design);

// Brings a window that the program shows by itself (a reminder's box) in
// front of the one the person is working in, and gives it the keyboard, also
// while the program is in the background.
void bringToFront(QWidget& window);

// Marks the window in the task bar until the person comes to it, also where
// the window system keeps it from coming to the front by itself.
void askForAttention(QWidget& window);

}  // namespace qtview
