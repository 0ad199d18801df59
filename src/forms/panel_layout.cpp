// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/panel_layout.h"

#include "forms/main_form.h"

namespace panel_layout {

void growSlotArea(MainForm& f, int twips) {
    f.slotArea.setHeight(f.slotArea.height() + twips);
    f.workArea.setTop(f.workArea.top() + twips);
    f.setHeight(f.height() + twips);
}

void widenForSettings(MainForm& f, int twips) {
    f.setLeft(f.left() - twips);
    f.setWidth(f.width() + twips);
}

namespace {
void shiftHintBand(MainForm& f, int twips) {
    tk::Control* const below[] = {&f.hideWindow, &f.openSettings, &f.help, &f.quit, &f.logBox};
    for (tk::Control* control : below) control->setTop(control->top() + twips);
    f.setHeight(f.height() + twips);
    f.workArea.setHeight(f.workArea.height() + twips);
}
}  // namespace

void hideHintBand(MainForm& f) {
    shiftHintBand(f, -kHintBand);
}

void showHintBand(MainForm& f) {
    shiftHintBand(f, kHintBand);
}

void openPasswordPanel(MainForm& f, tk::Frame& panel, std::initializer_list<tk::Control*> locked) {
    panel.setVisible(true);
    growSlotArea(f, kPasswordPanel);
    for (tk::Control* control : locked) control->setEnabled(false);
}

void closePasswordPanel(MainForm& f, tk::Frame& panel,
                        std::initializer_list<tk::Control*> unlocked) {
    panel.setVisible(false);
    shrinkSlotArea(f, kPasswordPanel);
    for (tk::Control* control : unlocked) control->setEnabled(true);
}

}  // namespace panel_layout
