#include "shell/panel_layout.h"

#include "shell/main_form.h"

namespace panel_layout {

void growSlotArea(MainForm& f, int twips) {
    f.Frame1.setHeight(f.Frame1.height() + twips);
    f.Frame3.setTop(f.Frame3.top() + twips);
    f.setHeight(f.height() + twips);
}

}  // namespace panel_layout
