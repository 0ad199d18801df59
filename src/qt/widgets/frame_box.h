// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>

namespace qtview {

// A frame drawn as the interface was designed: an etched rectangle whose top
// line runs through the middle of the caption, the caption in the frame's
// text colour over the frame's background.
class FrameBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace qtview
