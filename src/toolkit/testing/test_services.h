// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "toolkit/program.h"
#include "toolkit/testing/scripted_boxes.h"
#include "toolkit/testing/virtual_time.h"

namespace tk::testing {

class RecordingLifetime : public Lifetime {
public:
    void endProcess() override { ++ends; }
    int ends = 0;
};

// Every service replaced by a double, and a program running on them.
struct TestServices {
    VirtualTime time;
    ScriptedBoxes boxes;
    RecordingLifetime lifetime;
    Program program{Services{time, boxes, time, lifetime}};
};

}  // namespace tk::testing
