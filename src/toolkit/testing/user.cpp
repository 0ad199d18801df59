// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/testing/user.h"

#include <algorithm>

namespace tk::testing {

bool User::choose(ComboBox& combo, const std::string& item) {
    const auto& items = combo.items();
    const auto found = std::find(items.begin(), items.end(), item);
    return found != items.end() && choose(combo, static_cast<int>(found - items.begin()));
}

}  // namespace tk::testing
