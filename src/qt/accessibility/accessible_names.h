// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "toolkit/control.h"

namespace qtview {

struct AccessibleLabel {
    std::string name;
    const tk::Control* label = nullptr;  // the label it was taken from, if any
};

// What a screen reader should call a box or list that has no caption of its
// own: its description, if it has one (the time lists, whose unit labels
// alone cannot tell them apart); else the caption just before it on the same
// row ("标题：" before the title box); else the caption of the frame around it.
AccessibleLabel accessibleLabelFor(const tk::Control& control);

}  // namespace qtview
