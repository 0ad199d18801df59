#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program on a laptop asleep across a reminder's time, played with
# libfaketime: the wall clock jumps 25 minutes ahead while the monotonic clock,
# which the timers wait on and which Linux stops in suspend, runs on. The
# reminder must come at waking, once, its report saying how late it is.
# With `summer`, awake in Berlin as summer time begins (01:59:59 CET, then
# 03:00:00 CEST): a 40-second duration started at 01:59 is real time, and must
# come after the jump, on time.
program=$1
. "$(dirname "$0")/desktop_session.sh"
need xclip
faketime=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
[ -n "$faketime" ] || { echo "SKIPPED: needs libfaketime (build.sh installs it)"; exit 77; }
start_desktop openbox 1024x768x24
echo "+0" >"$work/faketime"
if [ "$2" = summer ]; then
    export TZ=Europe/Berlin
    printf "%+d\n" $(($(date -d "2026-03-29 01:59:15" +%s) - $(date +%s))) >"$work/faketime"
fi
start_program LD_PRELOAD="$faketime" FAKETIME_TIMESTAMP_FILE="$work/faketime" FAKETIME_NO_CACHE=1 \
    FAKETIME_DONT_FAKE_MONOTONIC=1
past_the_question
if [ "$2" = summer ]; then
    task_due_in 40 duration
    reminder=$(window 钟约系统 50) || fail "no reminder within 50 seconds"
else
    task_due_in 40
    sleep 10
    echo "+1500" >"$work/faketime"
    reminder=$(window 钟约系统 5) || fail "no reminder within 5 seconds of waking 25 minutes on"
fi
xdotool windowactivate --sync "$reminder" 2>/dev/null; keys Return
sleep 1
[ -z "$(xdotool search --onlyvisible --name '^钟约系统$')" ] || fail "a second reminder came"
click "$main" 3427 3200
keys ctrl+a ctrl+c
sleep 0.5
xclip -selection clipboard -o | tr -d '\r' | grep -v '^-*$' >"$work/log"
if [ "$2" = summer ]; then
    grep -q '^01:59:[0-9]*->任务1开始$' "$work/log" && sed -n 2p "$work/log" | grep -q '^标题：' &&
        grep -q '^03:00:[0-9]*->亲爱的用户' "$work/log" || fail "not on time past the jump: $(head -n 2 "$work/log")"
    echo "started before the jump, came on time after it: $(head -n 1 "$work/log")" && exit 0
fi
# 25 minutes on, less the 40 seconds that were left, plus those that passed awake.
sed -n 2p "$work/log" | grep -Eq "^原定时间：$due，晚了24分钟([0-9]+秒)?$" ||
    fail "no late line after the greeting: $(head -n 3 "$work/log")"
echo "woken 25 minutes on, the reminder came at once: $(sed -n 2p "$work/log")"
