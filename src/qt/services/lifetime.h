// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "toolkit/services.h"

namespace qtview {

class QtLifetime : public tk::Lifetime {
public:
    // The process ends with status 0 once the event loop has returned.
    void endProcess() override;
};

}  // namespace qtview
