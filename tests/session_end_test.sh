#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The desktop session's end is no person's close: a session manager's shut
# down (xsm's, as it does on SIGTERM), with a task running and without, and
# the X server going away each end the program within seconds, with no box;
# a person closing the main window is still scolded.
program=$1
. "$(dirname "$0")/desktop_session.sh"
need xsm iceauth
start_desktop openbox

# gone_without_a_box WHAT: no scolding box, and the program gone within 5 s.
gone_without_a_box() {
    i=0
    while alive "$pid" && [ $i -lt 50 ]; do
        [ -z "$(xdotool search --onlyvisible --name '^鄙视.ing$' 2>/dev/null)" ] || fail "$1: the scolding box came"
        sleep 0.1; i=$((i + 1))
    done
    alive "$pid" && fail "$1: still running 5 seconds after"
    echo "$1: the program ended after about $((i / 10)).$((i % 10)) s, with no box"
}

for task in no a; do
    # A fresh session each time: xsm would offer the one it saved at its shut down.
    mkdir "$work/session-$task"
    echo "sh -c 'echo \"\$SESSION_MANAGER\" >$work/sm-$task'" >"$work/session-$task/.xsmstartup"
    HOME="$work/session-$task" xsm >"$work/xsm.log" 2>&1 &
    xsm=$!; pids="$xsm $pids"
    i=0; while [ ! -s "$work/sm-$task" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
    [ -s "$work/sm-$task" ] || fail "xsm did not start: $(cat "$work/xsm.log")"
    start_program SESSION_MANAGER="$(cat "$work/sm-$task")"
    past_the_question
    [ $task = a ] && task_due_in 600
    kill -TERM $xsm
    gone_without_a_box "the session manager's shut down, $task task running"
    wait "$pid" || fail "the program ended with status $? at the session's end"
done

# A person's close still scolds, and the program ends once the box is answered.
start_program
past_the_question
xdotool windowactivate --sync "$main" 2>/dev/null; keys alt+F4
scolding=$(window "鄙视.ing" 5) || fail "no scolding box after a person closed the main window"
xdotool windowactivate --sync "$scolding" 2>/dev/null; keys Return
i=0; while alive "$pid" && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
alive "$pid" && fail "still running 5 seconds after the scolding box was answered"
echo "a person's close: scolded, then ended"

start_program
past_the_question
task_due_in 600
kill "$xvfb_pid"
gone_without_a_box "the X server gone"
