// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/tasks.h"

Tasks::Tasks(MainForm& form, ActivityLog& log)
    : f(form),
      log_(log),
      controls_{{{f.slotButton1, f.slotTimer1},
                 {f.slotButton2, f.slotTimer2},
                 {f.slotButton3, f.slotTimer3},
                 {f.slotButton4, f.slotTimer4}}} {
    bind();
}

void Tasks::bind() {
    for (int n = 1; n <= 4; ++n) {
        controls(n).button.onClick.bind([this, n] { selectSlot(n); });
        controls(n).timer.onTick.bind([this, n] { pollTick(n); });
    }
    f.atClockTime.onClick.bind([this] { chooseClockTime(); });
    f.afterDuration.onClick.bind([this] { chooseDuration(); });
    f.startTask.onClick.bind([this] { startTask(); });
    f.cancelTask.onClick.bind([this] { cancelTask(); });
    f.cancelTask.onMouseMove.bind([this] { hintCancelRule(); });
    f.taskInfo.onClick.bind([this] { reportTask(); });
    f.confirmCancel.onClick.bind([this] { confirmCancel(); });
    f.dismissCancel.onClick.bind([this] { dismissCancel(); });
    f.continueTask.onClick.bind([this] { continueTask(); });
}

bool Tasks::isRunning(int slot) const {
    return isSlot(slot) && controls_[index(slot)].timer.interval() == kRunningInterval;
}

bool Tasks::anyRunning() const {
    for (int n = 1; n <= 4; ++n) {
        if (isRunning(n)) return true;
    }
    return false;
}
