// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/testing/scripted_boxes.h"

namespace tk::testing {

Reply ScriptedBoxes::next(const BoxRecord& record) {
    shown_.push_back(record);
    Reply reply;
    if (!script_.empty()) {
        reply = std::move(script_.front());
        script_.pop_front();
    } else if (fallback_) {
        reply = fallback_(record);
    }
    if (reply.whileOpen) reply.whileOpen();
    return reply;
}

Answer ScriptedBoxes::message(const std::string& text, Buttons buttons, const std::string& title,
                              Alert alert, const std::string& spoken) {
    const Reply reply = next({false, text, title, buttons, {}, Echo::Plain, alert, spoken});
    return buttons == Buttons::Ok ? Answer::Ok : reply.answer;
}

std::string ScriptedBoxes::input(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText, Echo echo) {
    const Reply reply = next({true, prompt, title, Buttons::OkCancel, defaultText, echo, {}, {}});
    return reply.answer == Answer::Ok ? reply.text : std::string();
}

}  // namespace tk::testing
