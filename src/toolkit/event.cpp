// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/event.h"

#include <stdexcept>

namespace tk {

void Event::bind(std::function<void()> handler) {
    if (bound()) {
        throw std::logic_error(owner_ + "_" + what_ + " has a handler already");
    }
    handler_ = std::move(handler);
}

}  // namespace tk
