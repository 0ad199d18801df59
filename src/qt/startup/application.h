// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace qtview {

// Application-wide settings, once, right after the QApplication is made: Qt's
// own words in Chinese, the style the palettes are drawn with, the default
// font, assistive technology's view of the windows, and no quitting when a
// box closes before any window is shown.
void setUpApplication();

}  // namespace qtview
