// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/view/key_repeats.h"

namespace qtview {

bool loneRepeatIsAPress() {
    return false;
}

}  // namespace qtview
