// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/program.h"

#include <algorithm>

#include "toolkit/form.h"

namespace tk {

namespace {
class ModalScope {
public:
    explicit ModalScope(int& depth) : depth_(depth) { ++depth_; }
    ~ModalScope() { --depth_; }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    int& depth_;
};
}  // namespace

Answer Program::messageBox(const std::string& text, Buttons buttons, const std::string& title,
                           Alert alert, const std::string& spoken) {
    if (ended_) return Answer::Cancel;
    services_.dialogs.finishComposing();
    ModalScope modal(modalDepth_);
    const Answer answer = services_.dialogs.message(text, buttons, title, alert, spoken);
    return ended_ ? Answer::Cancel : answer;
}

std::string Program::inputBox(const std::string& prompt, const std::string& title,
                              const std::string& defaultText, Echo echo) {
    if (ended_) return {};
    services_.dialogs.finishComposing();
    ModalScope modal(modalDepth_);
    std::string answer = services_.dialogs.input(prompt, title, defaultText, echo);
    return ended_ ? std::string() : answer;
}

void Program::end() {
    if (ended_) return;
    ended_ = true;
    for (Form* form : forms_) form->shutDown();
    services_.lifetime.endProcess();
}

void Program::adopt(Form& form) {
    forms_.push_back(&form);
}

void Program::release(Form& form) {
    std::erase(forms_, &form);
}

}  // namespace tk
