#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Redraws the pictures of the windows shown in the README, without a screen,
# at 100 % and at 200 %.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target screenshot
for shot in main:main-window panel:task-panel reminder:reminder splash:splash game:game; do
    QT_QPA_PLATFORM=offscreen build/screenshot "${shot%%:*}" "docs/${shot#*:}.png"
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 build/screenshot "${shot%%:*}" "docs/${shot#*:}@2x.png"
done
