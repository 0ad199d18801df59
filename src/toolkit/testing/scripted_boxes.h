// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/services.h"

namespace tk::testing {

struct BoxRecord {
    bool input = false;
    std::string text;  // the message, or the input box's prompt
    std::string title;
    Buttons buttons = Buttons::Ok;
    std::string defaultText;
    Echo echo = Echo::Plain;
    Alert alert = Alert::None;
    std::string spoken;
};

struct Reply {
    Answer answer = Answer::Ok;
    std::string text;                 // what an input box gives back on OK
    std::function<void()> whileOpen;  // runs while the box is open (time passing, ...)
};

inline Reply ok() {
    return {};
}
inline Reply cancel() {
    return {Answer::Cancel, {}, {}};
}
inline Reply typed(std::string text) {
    return {Answer::Ok, std::move(text), {}};
}

// Answers boxes from a script and records every box shown. Without a scripted
// reply a box is answered by the fallback, which presses OK unless replaced.
class ScriptedBoxes : public Dialogs {
public:
    Answer message(const std::string& text, Buttons buttons, const std::string& title, Alert alert,
                   const std::string& spoken) override;
    std::string input(const std::string& prompt, const std::string& title,
                      const std::string& defaultText, Echo echo) override;

    void reply(Reply reply) { script_.push_back(std::move(reply)); }
    void setFallback(std::function<Reply(const BoxRecord&)> fallback) {
        fallback_ = std::move(fallback);
    }
    const std::vector<BoxRecord>& shown() const { return shown_; }
    const BoxRecord& last() const { return shown_.back(); }
    void forget() { shown_.clear(); }

private:
    Reply next(const BoxRecord& record);
    std::deque<Reply> script_;
    std::function<Reply(const BoxRecord&)> fallback_;
    std::vector<BoxRecord> shown_;
};

}  // namespace tk::testing
