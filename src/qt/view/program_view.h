// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <memory>

#include "qt/view/form_view.h"
#include "toolkit/program.h"

namespace qtview {

// The real windows of the whole program. A window's widgets are made when it
// is first shown (or first asked for), not before: the start-up question goes
// up before the main window, which only follows three seconds later, has cost
// anything.
class ProgramView {
public:
    // The other windows come first on the screen that holds `home`.
    explicit ProgramView(tk::Program& program, const tk::Form* home = nullptr);
    ~ProgramView();
    ProgramView(const ProgramView&) = delete;
    ProgramView& operator=(const ProgramView&) = delete;

    FormView& of(const tk::Form& form);
    // The screen that holds the home window, or null before it is made.
    const QScreen* homeScreen() const;

private:
    // Stands in for a window's view until the window is first shown.
    class NotYetShown : public tk::FormObserver {
    public:
        NotYetShown(ProgramView& owner, tk::Form& form) : owner_(owner), form_(form) {}
        tk::Form& form() const { return form_; }
        void controlChanged(tk::Control&, tk::Property) override {}
        void formChanged(tk::Property property) override;

    private:
        ProgramView& owner_;
        tk::Form& form_;
    };

    const tk::Form* home_;
    std::map<const tk::Form*, std::unique_ptr<NotYetShown>> waiting_;
    std::map<const tk::Form*, std::unique_ptr<FormView>> views_;
};

}  // namespace qtview
