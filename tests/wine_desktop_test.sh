#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows program under Wine on an X server with openbox, as a person
# uses it: yes to the start-up question, the splash centred on the screen,
# the main window at its designed size, a task due after 30 seconds set by
# mouse and keys, its box on its second, the main window in front afterwards
# with the report on top of the log, and closing the main window ends the
# program. The program writes no file and no registry key: the Wine prefix
# is compared before and after.
program=$1
. "$(dirname "$0")/desktop_session.sh"
. "$(dirname "$0")/wine_prefix.sh"
need wine xclip
start_desktop openbox 1024x768x24
# Wine's own start (its services, its desktop) before the snapshot.
"$wine_sh" cmd /c exit >/dev/null 2>&1
registry >"$work/registry.before"
touch "$work/before"
sleep 1

launcher="$wine_sh"
start_program
question=$(window 钟约系统 15) || fail "no start-up question"
xdotool windowactivate --sync "$question" 2>/dev/null; keys Return
# The splash, centred on the screen (openbox keeps no room for panels).
i=0
while [ -z "$splash" ] && [ $i -lt 50 ]; do
    splash=$(xdotool search --onlyvisible --name '^钟约系统$' 2>/dev/null | grep -vx "$question" | tail -n 1)
    sleep 0.1; i=$((i + 1))
done
[ -n "$splash" ] || fail "no splash after the question"
set -- $(client "$splash")
[ $(((1024 - $3) / 2 - $1)) -le 1 ] && [ $(($1 - (1024 - $3) / 2)) -le 1 ] &&
    [ $(((768 - $4) / 2 - $2)) -le 1 ] && [ $(($2 - (768 - $4) / 2)) -le 1 ] ||
    fail "the splash ($3x$4) is at $1,$2, not centred on the 1024x768 screen"
main=$(window 青竹白鹭2 10) || fail "no main window after the splash"
set -- $(client "$main")
[ "$3x$4" = 383x274 ] || fail "the main window is $3x$4, not 383x274 (5745 x 4110 twips)"
echo "the question, the splash centred and the main window at its designed size"

# Slot 1 by the mouse, the content by the mouse, the rest by keys.
xdotool windowactivate --sync "$main" 2>/dev/null; sleep 0.3
click "$main" $slot1
click "$main" $content
xdotool type --delay 100 "wine"
keys Tab Down                   # 经过时间提醒
keys Tab 0 Tab 0 Tab            # 00 hours, 00 minutes
xdotool type --delay 100 "30"   # 30 seconds
pressed=$(date +%H:%M:%S)
keys Return                     # 开始任务
confirmation=$(window 任务ＯＫ 5) || fail "no confirmation of the task"
confirmed=$(date +%H:%M:%S)
xdotool windowactivate --sync "$confirmation" 2>/dev/null; keys Return
echo "task started; waiting for its reminder"

# Polled every tenth of a second: the wall clock's second when the box came.
i=0
while [ $i -lt 450 ]; do
    reminder=$(xdotool search --onlyvisible --name '^钟约系统$' 2>/dev/null | head -n 1)
    [ -n "$reminder" ] && break
    sleep 0.1; i=$((i + 1))
done
came=$(date +%H:%M:%S)
[ -n "$reminder" ] || fail "no reminder within 45 seconds"
sleep 0.5
xdotool windowactivate --sync "$reminder" 2>/dev/null; keys Return
sleep 1
active=$(xdotool getactivewindow 2>/dev/null)
[ "$active" = "$main" ] || fail "the main window is not in front after the reminder ($active, not $main)"

# The log by the clipboard: its text as the program holds it.
click "$main" 3427 3200
keys ctrl+a ctrl+c
sleep 0.5
# Lines end in CR LF; each entry follows an empty line and a line of dashes.
xclip -selection clipboard -o 2>/dev/null | tr -d '\r' >"$work/log" ||
    fail "the log's text could not be copied"
top=$(grep -v '^-*$' "$work/log" | head -n 1)
echo "$top" | grep -q -- '->亲爱的用户，你约定的时间到了：' ||
    fail "the report is not on top of the log: $(head -n 4 "$work/log")"
grep -q '^提醒内容：wine' "$work/log" || fail "the report has not the task's content"
# Due 30 s after 开始任务 was pressed, reported at the second it came.
delivered=$(echo "$top" | cut -c1-8)
seconds() { echo "$1" | awk -F: '{print $1 * 3600 + $2 * 60 + $3}'; }
due=$(($(seconds "$delivered") - 30))
[ "$due" -ge "$(seconds "$pressed")" ] && [ "$due" -le "$(seconds "$confirmed")" ] ||
    fail "delivered at $delivered for a task started between $pressed and $confirmed"
late=$(($(seconds "$came") - $(seconds "$delivered")))
[ "$late" -ge 0 ] && [ "$late" -le 1 ] || fail "the box was seen at $came for a task due at $delivered"
echo "the box at $delivered for a task started at $pressed; the main window in front, the report on top"

# Closing the main window: the program scolds, then ends.
xdotool windowactivate --sync "$main" 2>/dev/null; keys alt+F4
scolding=$(window "鄙视.ing" 5) || fail "no box after closing the main window"
xdotool windowactivate --sync "$scolding" 2>/dev/null; keys Return
i=0; while kill -0 $pid 2>/dev/null && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
kill -0 $pid 2>/dev/null && fail "still running 10 seconds after the main window was closed"
echo "closing the main window ends the program"

WINEPREFIX="$prefix" wineserver -w
written=$(find "$prefix/drive_c" -newer "$work/before" -type f | grep -v '/windows/\(Installer\|inf\|temp\)/')
[ -z "$written" ] || fail "files written under the Wine prefix: $written"
registry | diff "$work/registry.before" - >"$work/registry.diff" ||
    fail "registry keys written: $(head -n 20 "$work/registry.diff")"
echo "no file and no registry key written"
