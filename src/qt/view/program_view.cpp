// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/view/program_view.h"

#include <stdexcept>

#include "toolkit/form.h"

namespace qtview {

ProgramView::ProgramView(tk::Program& program, const tk::Form* home) : home_(home) {
    for (tk::Form* form : program.forms()) {
        auto& waiting = waiting_[form] = std::make_unique<NotYetShown>(*this, *form);
        form->setObserver(waiting.get());
    }
}

ProgramView::~ProgramView() {
    for (const auto& [form, waiting] : waiting_) {
        if (!views_.count(form)) waiting->form().setObserver(nullptr);
    }
}

FormView& ProgramView::of(const tk::Form& form) {
    auto found = views_.find(&form);
    if (found == views_.end()) {
        const auto waiting = waiting_.find(&form);
        if (waiting == waiting_.end())
            throw std::logic_error("no view of the window " + form.name());
        // The view takes over as the form's observer and pushes everything.
        found = views_
                    .emplace(&form, std::make_unique<FormView>(waiting->second->form(),
                                                               [this] { return homeScreen(); }))
                    .first;
    }
    return *found->second;
}

const QScreen* ProgramView::homeScreen() const {
    const auto found = views_.find(home_);
    return found != views_.end() ? found->second->window().screen() : nullptr;
}

void ProgramView::NotYetShown::formChanged(tk::Property property) {
    if (property != tk::Property::Visible || !form_.visible()) return;
    owner_.of(form_).formChanged(property);
}

}  // namespace qtview
