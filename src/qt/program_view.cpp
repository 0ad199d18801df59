#include "qt/program_view.h"

#include <stdexcept>

#include "toolkit/form.h"

namespace qtview {

ProgramView::ProgramView(tk::Program& program) {
    for (tk::Form* form : program.forms()) views_.push_back(std::make_unique<FormView>(*form));
}

FormView& ProgramView::of(const tk::Form& form) const {
    for (const auto& view : views_) {
        if (&view->form() == &form) return *view;
    }
    throw std::logic_error("no view of the window " + form.name());
}

}  // namespace qtview
