// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "toolkit/services.h"

namespace qtview {

// The local date and time of day, as the system reads it.
class QtClock : public tk::Clock {
public:
    tk::LocalTime now() override;
};

}  // namespace qtview
