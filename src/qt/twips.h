// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>

namespace qtview {

// Twips to device-independent pixels at `dpi` (logical dots per inch).
inline int twipsToPixels(int twips, double dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}
inline int pixelsToTwips(int pixels, double dpi) {
    return static_cast<int>(std::lround(pixels * 1440.0 / dpi));
}

}  // namespace qtview
