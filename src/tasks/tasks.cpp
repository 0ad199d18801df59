#include "tasks/tasks.h"

Tasks::Tasks(MainForm& form, ActivityLog& log)
    : f(form),
      log_(log),
      controls_{{{f.Command1, f.Timer1},
                 {f.Command2, f.Timer2},
                 {f.Command3, f.Timer3},
                 {f.Command4, f.Timer4}}} {
    bind();
}

void Tasks::bind() {
    for (int n = 1; n <= 4; ++n) {
        controls(n).button.onClick.bind([this, n] { selectSlot(n); });
        controls(n).timer.onTick.bind([this, n] { pollTick(n); });
    }
    f.Option1.onClick.bind([this] { Option1_Click(); });
    f.Option2.onClick.bind([this] { Option2_Click(); });
    f.Command5.onClick.bind([this] { Command5_Click(); });
    f.Command6.onClick.bind([this] { Command6_Click(); });
    f.Command6.onMouseMove.bind([this] { Command6_MouseMove(); });
    f.Command7.onClick.bind([this] { Command7_Click(); });
    f.Command16.onClick.bind([this] { Command16_Click(); });
    f.Command17.onClick.bind([this] { Command17_Click(); });
    f.Command18.onClick.bind([this] { Command18_Click(); });
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
