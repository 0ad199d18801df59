#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Log off or shut down under Wine as Windows plays it to each program
# (wineboot --end-session --shutdown), five times, with a task running and
# without, the last while the start-up question is up: each time the program
# ends within seconds with no box, and the shut down waits for nobody.
program=$1
. "$(dirname "$0")/desktop_session.sh"
. "$(dirname "$0")/wine_prefix.sh"
need wine wineboot
start_desktop openbox 1024x768x24
launcher="$wine_sh"

for play in 1 2 3 4 5; do
    start_program
    task="no task"
    [ $play = 5 ] && { window 钟约系统 15 >/dev/null || fail "no start-up question"; task="the question up, no task"; } || past_the_question
    [ $((play % 2)) = 0 ] && { task_due_in 600; task="a task"; }
    WINEPREFIX="$prefix" WINEDEBUG=-all wineboot --end-session --shutdown >/dev/null 2>&1 &
    shutdown=$!; pids="$shutdown $pids"
    i=0
    while { alive "$pid" || alive "$shutdown"; } && [ $i -lt 50 ]; do
        [ -z "$(xdotool search --onlyvisible --name '^鄙视.ing$' 2>/dev/null)" ] ||
            fail "play $play, $task running: the scolding box came"
        sleep 0.1; i=$((i + 1))
    done
    alive "$pid" && fail "play $play, $task running: still running 5 seconds after the session's end"
    alive "$shutdown" && fail "play $play, $task running: the shut down still waits after 5 seconds"
    echo "play $play, $task running: the program ended after about $((i / 10)).$((i % 10)) s, with no box"
done
