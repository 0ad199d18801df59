// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "toolkit/services.h"

namespace tk {

class Form;

// The running program: its windows, its services (clock, boxes, timers, lifetime), and its end.
class Program {
public:
    explicit Program(Services services) : services_(services) {}
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Clock& clock() { return services_.clock; }
    std::string clockText() { return services_.clock.text(); }
    TimerService& timers() { return services_.timers; }

    // Modal boxes. After the end none opens: a message gives Cancel, an input "".
    Answer messageBox(const std::string& text, Buttons buttons, const std::string& title,
                      Alert alert = Alert::None, const std::string& spoken = {});
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText, Echo echo = Echo::Plain);
    bool modalOpen() const { return modalDepth_ > 0; }

    // Stops every timer, closes every window, and from then on no handler runs
    // and no box opens.
    void end();
    bool ended() const { return ended_; }

    const std::vector<Form*>& forms() const { return forms_; }
    void adopt(Form& form);
    void release(Form& form);

private:
    Services services_;
    std::vector<Form*> forms_;
    int modalDepth_ = 0;
    bool ended_ = false;
};

}  // namespace tk
