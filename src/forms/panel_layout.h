// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <initializer_list>

#include "toolkit/control.h"

class MainForm;

// Panels open below the slot buttons by growing the slot area, pushing the
// working area down and growing the window, all by the same amount and
// relative to where they stand now, so that shrinking by the amount takes
// back exactly what growing added.
namespace panel_layout {

constexpr int kTaskPanel = 2160;
constexpr int kPasswordPanel = 1300;
constexpr int kSettingsPanel = 4230;
constexpr int kHintBand = 240;  // the strip of the working area the hint line takes

void growSlotArea(MainForm& f, int twips);
inline void shrinkSlotArea(MainForm& f, int twips) {
    growSlotArea(f, -twips);
}

// The settings panel lies right of the window's client area: the window
// moves left and widens by the same amount, so its right edge stays put on
// the screen and the panel comes into view; narrowing takes it back.
void widenForSettings(MainForm& f, int twips);
inline void narrowFromSettings(MainForm& f, int twips) {
    widenForSettings(f, -twips);
}

// Hiding the hint line gives its band up: the working area's buttons and the
// log move up into it, then the working area and the window shrink by it;
// showing the line takes it back, all relative to where they stand.
void hideHintBand(MainForm& f);
void showHintBand(MainForm& f);

// The password panels that open below the task settings panel: the panel is
// shown, the slot area grows by its height, and what must not be used while
// it is open is disabled. Closing hides it, takes the growth back and enables
// what the caller names (not always all that opening disabled).
void openPasswordPanel(MainForm& f, tk::Frame& panel, std::initializer_list<tk::Control*> locked);
void closePasswordPanel(MainForm& f, tk::Frame& panel,
                        std::initializer_list<tk::Control*> unlocked);

}  // namespace panel_layout
