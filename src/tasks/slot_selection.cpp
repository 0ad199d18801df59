#include "forms/panel_layout.h"
#include "tasks/tasks.h"

void Tasks::selectSlot(int n) {
    if (isRunning(n)) {
        showRunningSlot(n);
    } else {
        showWaitingSlot(n);
    }
    currentSlot_ = n;
    for (auto& slot : controls_) slot.button.setEnabled(false);
    openPanel();
}

// A running task is shown read-only; the mode and time lists keep whatever
// they showed last.
void Tasks::showRunningSlot(int n) {
    f.Text2.setText(slot(n).title);
    f.Text3.setText(slot(n).content);
    const std::initializer_list<tk::Control*> entries{&f.Text2,  &f.Text3,  &f.Option1, &f.Option2,
                                                      &f.Combo1, &f.Combo2, &f.Combo3,  &f.Combo4,
                                                      &f.Combo5, &f.Combo6};
    for (tk::Control* entry : entries) entry->setEnabled(false);
    offerStart(false);
    f.Command6.setEnabled(true);
}

// A waiting slot opens as a fresh editor in clock-time mode; the time lists
// keep their selections.
void Tasks::showWaitingSlot(int n) {
    f.Text2.setText(texts(n).defaultTitle);
    f.Text3.setText("");
    f.Text2.setEnabled(true);
    f.Text3.setEnabled(true);
    offerStart(true);
    f.Command6.setEnabled(true);
    scheduleMode_ = 1;
    f.Option1.setValue(true);
    f.Option1.setEnabled(true);
    f.Option2.setEnabled(true);
    enableClockTimeCombos(true);
}

// The panel shows exactly one of 开始任务 (a fresh task) and 继续任务 (back
// to a task that runs, or after a cancel attempt).
void Tasks::offerStart(bool start) {
    f.Command5.setVisible(start);
    f.Command18.setVisible(!start);
}

// Clock-time mode uses the first row of lists, duration mode the second; the
// row not in use is disabled and greyed.
void Tasks::enableClockTimeCombos(bool clockTime) {
    for (tk::ComboBox* combo : {&f.Combo4, &f.Combo5, &f.Combo6}) {
        combo->setEnabled(!clockTime);
        combo->setBackColor(clockTime ? tk::sys::kActiveBorder : tk::sys::kWindow);
    }
    for (tk::ComboBox* combo : {&f.Combo1, &f.Combo2, &f.Combo3}) {
        combo->setEnabled(clockTime);
        combo->setBackColor(clockTime ? tk::sys::kWindow : tk::sys::kActiveBorder);
    }
}

void Tasks::openPanel() {
    f.Frame2.setVisible(true);
    f.Frame3.setEnabled(false);
    panel_layout::growSlotArea(f, panel_layout::kTaskPanel);
}

void Tasks::closePanel() {
    for (auto& slot : controls_) slot.button.setEnabled(true);
    f.Frame2.setVisible(false);
    f.Frame3.setEnabled(true);
    panel_layout::shrinkSlotArea(f, panel_layout::kTaskPanel);
}
