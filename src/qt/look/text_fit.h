// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QFont;
class QGroupBox;
class QLabel;

namespace qtview {

// Text drawn in a stand-in font can be larger than the box it was designed
// for: a label then takes a smaller size of its designed font, so that the
// ink of its text, on one line or wrapped, lies whole in the label.
void fitLabelText(QLabel& label, const QFont& designed);

// A frame's caption sits above the controls inside it; where they leave it
// less room than its font needs (the check box under 其他设置), it takes a
// smaller size of its designed font, so that no control covers its ink.
void fitFrameCaption(QGroupBox& frame, const QFont& designed);

}  // namespace qtview
