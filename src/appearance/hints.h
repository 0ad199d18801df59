#pragma once

#include "forms/main_form.h"

// The hint line: moving the mouse over a control writes that control's hint
// into Label16, whether the line is shown or hidden. Hints that depend on
// state are bound by the subsystem that owns the state.
class Hints {
public:
    explicit Hints(MainForm& form);
};
