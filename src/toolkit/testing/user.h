// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "toolkit/control.h"
#include "toolkit/form.h"

namespace tk::testing {

// A person at the screen. Every action goes through the control's own way in
// for people, which acts only when the control can be reached (see
// Control::reachable()); each action says whether it could be done.
class User {
public:
    static bool canReach(const Control& control) { return control.reachable(); }
    // A control of the window by its name, as testers and assistive technology find it.
    static Control* find(const Form& form, const std::string& name) {
        for (const auto& control : form.controls()) {
            if (control->name() == name) return control.get();
        }
        return nullptr;
    }

    [[nodiscard]] static bool click(Control& control) { return control.click(); }
    [[nodiscard]] static bool hover(Control& control) { return control.mouseMove(); }
    // Types at the end of the box's text, as keys would.
    [[nodiscard]] static bool type(TextBox& box, const std::string& text) {
        return box.edit(box.text() + text);
    }
    // Selects everything in the box and types over it.
    [[nodiscard]] static bool retype(TextBox& box, const std::string& text) {
        return box.edit(text);
    }
    [[nodiscard]] static bool choose(ComboBox& combo, int index) { return combo.choose(index); }
    [[nodiscard]] static bool choose(ComboBox& combo, const std::string& item);
    [[nodiscard]] static bool pressEnter(Form& form) { return form.pressEnter(); }
    // Closes the window by the window system, not by a button of the program.
    static void closeWindow(Form& form) { form.requestClose(); }
    // Brings a minimised window back from the task bar.
    static void restoreFromTaskBar(Form& form) { form.stateSetBySystem(WindowState::Normal); }
};

}  // namespace tk::testing
