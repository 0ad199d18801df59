#pragma once

#include <memory>
#include <vector>

#include "qt/form_view.h"
#include "toolkit/program.h"

namespace qtview {

// The real windows of the whole program: a view for each of its windows,
// made before any of them is shown.
class ProgramView {
public:
    explicit ProgramView(tk::Program& program);

    FormView& of(const tk::Form& form) const;

private:
    std::vector<std::unique_ptr<FormView>> views_;
};

}  // namespace qtview
