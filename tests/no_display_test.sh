#!/bin/sh
# Without any screen the program says so in one line and exits with a
# non-zero status, without aborting.
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1)
status=$?
echo "$output"
[ "$status" -ne 0 ] && [ "$status" -lt 128 ] || { echo "exit status $status"; exit 1; }
[ "$(printf '%s\n' "$output" | wc -l)" -eq 1 ] || { echo "not one line"; exit 1; }
printf '%s' "$output" | grep -q 'no display.*QT_QPA_PLATFORM=offscreen' || exit 1
