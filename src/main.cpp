// SPDX-FileCopyrightText: 2026 钟约小组
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "launch/launch.h"

int main(int argc, char** argv) {
    return launch(argc, argv);
}
