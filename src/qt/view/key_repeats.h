// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace qtview {

// Whether a press Qt flags a repeat, alone and then let go, was a fresh
// press. Qt on Windows flags a press by its own record of the keys down: when
// it missed a key's release (under Wine, that of the Enter that closed a
// box), the next press is a repeat to it. On X the flag comes with real
// repeats only.
bool loneRepeatIsAPress();

}  // namespace qtview
