// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "qt/services/clock.h"
#include "qt/services/dialogs.h"
#include "qt/services/lifetime.h"
#include "qt/services/timers.h"
#include "toolkit/services.h"

namespace qtview {

// The toolkit's services on Qt, as the program uses them.
struct QtServices {
    QtClock clock;
    QtDialogs dialogs;
    QtTimers timers;
    QtLifetime lifetime;
    tk::Services services() { return {clock, dialogs, timers, lifetime}; }
};

}  // namespace qtview
