#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Wherever no display can be reached, the program says so in one line and
# exits with status 2, without aborting; -platform on the command line is
# honoured (offscreen, it starts and waits at its question).
program=$1
failed=0
try() {
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" 2>&1 </dev/null)
    status=$?
    lines=$(printf '%s\n' "$output" | wc -l)
    if [ "$status" -ne 2 ] || [ "$lines" -ne 1 ] ||
        ! printf '%s' "$output" | grep -q 'no display.*QT_QPA_PLATFORM=offscreen'; then
        echo "FAILED with $*: status $status, $lines lines: $output"
        failed=1
    else
        echo "ok with $*: $output"
    fi
}
try
try DISPLAY=localhost:99
try DISPLAY=unix:99
try DISPLAY=::x
try WAYLAND_DISPLAY=wayland-nobody-4711
try QT_QPA_PLATFORM=xcb
try QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-nobody-4711

env -u DISPLAY -u QT_QPA_PLATFORM timeout 3 "$program" -platform offscreen </dev/null >/dev/null 2>&1
status=$?
if [ "$status" -ne 124 ]; then
    echo "FAILED: -platform offscreen ended with status $status instead of waiting at its question"
    failed=1
fi
exit $failed
