#pragma once

class MainForm;

// Panels open below the slot buttons by growing the slot area, pushing the
// working area down and growing the window, all by the same amount and
// relative to where they stand now, so that shrinking by the amount takes
// back exactly what growing added.
namespace panel_layout {

constexpr int kTaskPanel = 2160;
constexpr int kPasswordPanel = 1300;

void growSlotArea(MainForm& f, int twips);
inline void shrinkSlotArea(MainForm& f, int twips) {
    growSlotArea(f, -twips);
}

}  // namespace panel_layout
