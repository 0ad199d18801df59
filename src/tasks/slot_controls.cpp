// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/slot_controls.h"

#include "tasks/slot_texts.h"

void SlotControls::start(int slot, const std::string& title, const std::string& content,
                         const due_time::DueTime& due) {
    tasks_.start(slot, title, content, due);
    show(slot);
}

void SlotControls::end(int slot) {
    tasks_.end(slot);
    show(slot);
}

void SlotControls::show(int slot) {
    const bool running = tasks_.isRunning(slot);
    slotButton(form_, slot)
        .setCaption(running ? slotTexts(slot).runningCaption : slotTexts(slot).waitingCaption);
    pollTimer(form_, slot).setInterval(running ? kPollInterval : 0);
}
