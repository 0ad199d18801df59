#pragma once

#include <string>

#include "toolkit/control.h"

namespace qtview {

// What a screen reader should call a box or list that has no caption of its
// own: the unit label just after it ("时" after the hours list), else the
// caption just before it on the same row ("标题：" before the title box),
// else the caption of the frame around it.
std::string accessibleNameFor(const tk::Control& control);

}  // namespace qtview
