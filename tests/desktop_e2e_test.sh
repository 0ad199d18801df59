#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program on an X server with a window manager: Cancel on the
# start-up question must end it at once; then yes to the question, a task in
# slot 1 due in 30 seconds, written by the keyboard alone (with `sound`, one due
# at a time of day a few seconds on), the window minimised; the reminder's box
# must come, the window must ask for attention while it is up, and after it
# the window must be back. Only X tools and the windows' titles are used. Both
# starts have no session bus and a home folder of their own. Without a sound
# server (as given, `silent`) the second is watched by strace all the while:
# it must start no process, write no file, use no socket but the display's,
# and say nothing. With `sound`, a sound server of its own with a null sink
# must see exactly one stream played for the reminder, the alarm clock's, from
# a sound library loaded only then; again one for a reminder of a program whose
# sound theme has nothing but a bell; and none once the desktop's settings
# daemon says event sounds are off.
program=$1
mode=${2:-silent}
. "$(dirname "$0")/desktop_session.sh"
need strace
[ "$mode" = sound ] && need pulseaudio pactl xsettingsd dump_xsettings
start_desktop openbox 1024x768x24
unset PULSE_SERVER
if [ "$mode" = sound ]; then
    HOME="$work/server" pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm \
        --load="module-native-protocol-unix" --load="module-null-sink" >"$work/server.log" 2>&1 &
    pids="$! $pids"
    i=0; while ! pactl info >/dev/null 2>&1 && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
    pactl info >/dev/null 2>&1 || { echo "SKIPPED: the sound server did not start"; exit 77; }
    pactl subscribe >"$work/events" 2>&1 &
    pids="$! $pids"
    # The event sound of the first stream that plays within 3 seconds.
    sound_played() {
        i=0
        while [ $i -lt 30 ]; do
            played=$(pactl list sink-inputs | sed -n 's/^[[:space:]]*event.id = "\(.*\)"$/\1/p')
            [ -n "$played" ] && break
            sleep 0.1; i=$((i + 1))
        done
        echo $played
    }
    # A program started anew (with VARIABLE=VALUE...), a task due in 6 seconds:
    # `streams` is how many have played in all a second after its reminder came.
    remind_and_count() {
        start_program "$@"
        past_the_question
        task_due_in 6
        window 钟约系统 10 >/dev/null || fail "no reminder from a program started with $*"
        sleep 1
        streams=$(grep -c "'new' on sink-input" "$work/events")
    }
else
    tracer="strace -ff -qq -o $work/trace -e trace=execve,clone,clone3,fork,vfork,openat,open,creat,connect"
fi

# Cancel on the start-up question ends the process at once, with status 0.
start_program
question=$(window 钟约系统 15) || fail "no start-up question"
xdotool windowactivate --sync "$question" 2>/dev/null; keys Escape
i=0; while kill -0 $pid 2>/dev/null && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
kill -0 $pid 2>/dev/null && fail "still running 5 seconds after Cancel on the start-up question"
wait $pid || fail "Cancel on the start-up question ended with status $?"
[ -e "$work/home" ] && fail "something was written under the home folder"
echo "Cancel on the start-up question ends the program with status 0"

launcher=$tracer
start_program
question=$(window 钟约系统 15) || fail "no start-up question"
xdotool windowactivate --sync "$question" 2>/dev/null; keys Return
# The splash: its own border, none from the window manager, no task-bar entry.
i=0; splash=""
while [ -z "$splash" ] && [ $i -lt 30 ]; do
    splash=$(xdotool search --onlyvisible --name "^钟约系统\$" 2>/dev/null | grep -v "^$question\$" | head -n 1)
    sleep 0.1; i=$((i + 1))
done
[ -n "$splash" ] || fail "no splash after the question"
xprop -id "$splash" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "the splash is in the task bar"
xprop -id "$splash" _NET_FRAME_EXTENTS | grep -q "= 0, 0, 0, 0" || fail "the window manager framed the splash"
main=$(window 青竹白鹭2 10) || fail "no main window after the splash"
extents=$(xprop -id "$main" _NET_FRAME_EXTENTS | sed 's/.*= //; s/ //g')
[ "$(echo "$extents" | cut -d, -f3)" -gt "$(echo "$extents" | cut -d, -f1)" ] \
    || fail "the main window has no title bar: $extents"
echo "the splash has its own border and no task-bar entry; the main window a title bar"
xdotool windowactivate --sync "$main" 2>/dev/null; sleep 0.3
if [ "$mode" = sound ]; then
    task_due_in 8  # only the sound is listened to: a task due in seconds will do
else
    clientAt() { xwininfo -id "$main" | awk '/Absolute upper-left/ { printf "%s ", $4 }'; }
    before=$(clientAt)
    keys space Tab                  # 任务1(等待) opens the panel; on to the content
    [ "$(clientAt)" = "$before" ] || fail "the window moved from $before to $(clientAt) when it grew"
    xdotool type --delay 100 "e2e"
    keys Tab Down                   # 经过时间提醒
    keys Tab 0 Tab 0 Tab            # 00 hours, 00 minutes
    xdotool type --delay 100 "30"   # 30 seconds
    keys Return                     # 开始任务
    confirmation=$(window 任务ＯＫ 5) || fail "no confirmation of the task"
    xdotool windowactivate --sync "$confirmation" 2>/dev/null; keys Return
    sleep 0.5
fi
xdotool windowminimize --sync "$main" || fail "could not minimise the window"
echo "task started; waiting for its reminder"
if [ "$mode" = sound ] && grep -q libcanberra "/proc/$pid/maps"; then
    fail "the sound library was loaded before the first reminder"
fi
reminder=$(window 钟约系统 40) || fail "no reminder within 40 seconds"
if [ "$mode" = sound ]; then
    played=$(sound_played)
    [ "$played" = alarm-clock-elapsed ] || fail "the reminder played '$played', not the alarm clock"
fi
# Its title bar has room for the title beside the window manager's buttons.
width=$(xwininfo -id "$reminder" | awk '/Width:/ { print $2 }')
[ "$width" -ge 150 ] || fail "the reminder's box is only $width px wide: no room for its title"
sleep 0.3
xprop -id "$main" _NET_WM_STATE | grep -q _NET_WM_STATE_DEMANDS_ATTENTION ||
    fail "the window does not ask for attention while the reminder is up: $(xprop -id "$main" _NET_WM_STATE WM_HINTS)"
xdotool windowactivate --sync "$reminder" 2>/dev/null; keys Return
sleep 1
xprop -id "$main" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN && fail "the window stayed minimised"
window 青竹白鹭2 2 >/dev/null || fail "the window is not shown after the reminder"
echo "the reminder came, the window asked for attention and came back"
if [ "$mode" = sound ]; then
    streams=$(grep -c "'new' on sink-input" "$work/events")
    [ "$streams" -eq 1 ] || fail "$streams sounds played for one reminder"
    echo "one sound played for the reminder, the alarm clock's"
    kill $pid; wait $pid
    theme="$work/bell/sounds/freedesktop"
    mkdir -p "$theme/stereo"
    cp /usr/share/sounds/freedesktop/index.theme "$theme"
    cp /usr/share/sounds/freedesktop/stereo/bell.oga "$theme/stereo"
    remind_and_count XDG_DATA_DIRS="$work/bell"
    [ "$streams" -eq 2 ] || fail "$((streams - 1)) sounds played from a theme of a bell alone"
    echo "the bell rang where the theme has no alarm clock"
    kill $pid; wait $pid
    echo "Net/EnableEventSounds 0" >"$work/xsettings"
    xsettingsd -c "$work/xsettings" >/dev/null 2>&1 &
    pids="$! $pids"
    daemon_says() { dump_xsettings 2>/dev/null | grep -q "EnableEventSounds 0"; }
    i=0; while ! daemon_says && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
    daemon_says || fail "the settings daemon does not say event sounds are off"
    remind_and_count
    [ "$streams" -eq 2 ] || fail "a sound played with the desktop's event sounds off"
    echo "no sound with the desktop's event sounds off"
    exit 0
fi
[ -s "$work/output" ] && fail "the program said something"
# One record per thread, so that no call is split between two lines.
cat "$work"/trace.* >"$work/trace"
"$(dirname "$0")/trace_check.sh" "$work/trace" "${DISPLAY#:}" || exit 1
[ -e "$work/home" ] && fail "something was written under the home folder"
echo "no process started, no file written, no socket but the display's"
