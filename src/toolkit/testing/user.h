#pragma once

#include <string>

#include "toolkit/control.h"
#include "toolkit/form.h"

namespace tk::testing {

// A person at the screen: acts only on what is on screen and usable: shown
// and enabled all the way up, inside the visible part of its window and of
// every frame around it, in a window that is shown, not minimised and not
// blocked by a modal box. Each action says whether it could be done.
class User {
public:
    static bool canReach(const Control& control);

    [[nodiscard]] static bool click(Control& control);
    [[nodiscard]] static bool hover(Control& control);
    // Types at the end of the box's text, as keys would.
    [[nodiscard]] static bool type(TextBox& box, const std::string& text);
    // Selects everything in the box and types over it.
    [[nodiscard]] static bool retype(TextBox& box, const std::string& text);
    [[nodiscard]] static bool choose(ComboBox& combo, const std::string& item);
    [[nodiscard]] static bool choose(ComboBox& combo, int index);
    [[nodiscard]] static bool pressEnter(Form& form);
    // Closes the window by the window system, not by a button of the program.
    static void closeWindow(Form& form) { form.requestClose(); }
};

}  // namespace tk::testing
