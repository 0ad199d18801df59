#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The desktop entry copied into ~/.config/autostart starts the program at
# login: systemd's autostart generator (GNOME's and KDE's way) makes a unit
# that runs it, and openbox's session start runs it, its start-up question
# coming on the screen. autostart_test.sh PROGRAM DESKTOP-ENTRY
program=$1
entry=$2
. "$(dirname "$0")/desktop_session.sh"
autostart=$(ls /usr/lib/*/openbox-xdg-autostart 2>/dev/null | head -n 1)
[ -n "$autostart" ] || { echo "SKIPPED: needs openbox's openbox-xdg-autostart"; exit 77; }
mkdir -p "$work/home/.config/autostart" "$work/units"
cp "$entry" "$work/home/.config/autostart/"
# The person's own autostart folder alone, with the program on PATH as installed.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_CONFIG_DIRS="$work/none"
export PATH="$(dirname "$program"):$PATH"

generator=/usr/lib/systemd/user-generators/systemd-xdg-autostart-generator
if [ -x "$generator" ]; then
    "$generator" "$work/units" "$work/units" "$work/units" 2>"$work/generator.log"
    grep -q "^ExecStart=.*$(dirname "$program")/zhongyue\$" "$work/units"/*.service 2>/dev/null ||
        fail "systemd's autostart generator made no unit that runs the program: $(cat "$work/generator.log")"
    echo "systemd's autostart generator: $(grep '^ExecStart=' "$work/units"/*.service)"
fi

start_desktop openbox
env -u QT_QPA_PLATFORM -u DBUS_SESSION_BUS_ADDRESS -u WAYLAND_DISPLAY "$autostart" OPENBOX >"$work/output" 2>&1
question=$(window 钟约系统 15) || fail "nothing came at login from the autostart entry"
pids="$(xdotool getwindowpid "$question") $pids"
echo "openbox's session start ran the entry: the start-up question came"
