# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the tests that run the real program on a desktop of their own:
# an X server, a window manager (openbox, GNOME's mutter or KDE's KWin), and
# the ways a person acts on the program's windows from outside: keys, clicks
# on a control where the window's layout puts it, and what the window manager
# says of each window. `work` is a fresh folder, removed at the end with
# everything started here.

work=$(mktemp -d)
pids=""
cleanup() { kill $pids 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

# Skips the test (status 77) when a tool is missing.
need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIPPED: needs $tool (build.sh installs it)"; exit 77; }
    done
}

fail() { echo "FAILED: $1"; [ -s "$work/output" ] && cat "$work/output"; exit 1; }

# Whether a process runs (an ended child of this shell may linger unreaped).
alive() { case "$(ps -o stat= -p "$1" 2>/dev/null)" in "" | Z*) return 1 ;; esac; }

# The window manager `wm` on DISPLAY; `wm_pid` is its process.
launch_wm() {
    case "$wm" in
        # Ready for windows once it runs its start-up command: a window mapped
        # before that can stay unmapped.
        openbox) HOME="$work/wm" openbox --sm-disable --startup "touch $work/wm-ready" >"$work/wm.log" 2>&1 & ;;
        mutter | kwin)
            bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | tr '\n' ' ')
            pids="${bus#* } $pids"
            command=$([ "$wm" = mutter ] && echo "mutter --x11 --replace --sm-disable" || echo "kwin_x11 --replace")
            HOME="$work/wm" DBUS_SESSION_BUS_ADDRESS="${bus%% *}" $command >"$work/wm.log" 2>&1 &
            ;;
    esac
    wm_pid=$!
    pids="$wm_pid $pids"
}

# start_desktop WM [WIDTHxHEIGHTxDEPTH]: the X server (`xvfb_pid`), a session
# bus for the window manager alone, and the window manager, ready to manage
# windows.
start_desktop() {
    wm=$1
    case "$wm" in
        openbox) need Xvfb openbox ;;
        mutter) need Xvfb mutter dbus-daemon ;;
        kwin) need Xvfb kwin_x11 dbus-daemon ;;
    esac
    need xdotool xprop xwininfo
    Xvfb -displayfd 3 -nolisten tcp -screen 0 "${2:-1024x768x24}" 3>"$work/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    pids="$xvfb_pid $pids"
    i=0; while [ ! -s "$work/display" ] && [ $i -lt 100 ]; do sleep 0.05; i=$((i + 1)); done
    [ -s "$work/display" ] || { echo "SKIPPED: Xvfb did not start"; exit 77; }
    export DISPLAY=":$(cat "$work/display")"
    # A runtime folder, as every desktop session has.
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    mkdir "$work/wm"
    launch_wm
    # A window manager that gave up at once on a loaded machine (KWin once
    # failed to open its display in CI) is started again, twice at most.
    i=0; tries=1
    while ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && [ $i -lt 150 ]; do
        if ! alive "$wm_pid" && [ $tries -lt 3 ]; then
            launch_wm; tries=$((tries + 1))
        fi
        sleep 0.1; i=$((i + 1))
    done
    [ $i -lt 150 ] || fail "$wm did not start: $(tail -n 5 "$work/wm.log" 2>/dev/null)"
    if [ "$wm" = openbox ]; then
        i=0; while [ ! -e "$work/wm-ready" ] && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
    else
        sleep 0.5  # it names itself before it is ready to manage windows
    fi
}

# start_program [VARIABLE=VALUE...]: the program as a person starts it, with no
# session bus and a home folder of its own (through $launcher, if one is set);
# `pid` is its process.
start_program() {
    env -u QT_QPA_PLATFORM -u DBUS_SESSION_BUS_ADDRESS -u WAYLAND_DISPLAY HOME="$work/home" "$@" \
        $launcher "$program" >"$work/output" 2>&1 &
    pid=$!
    pids="$pid $pids"
}

# The id of the shown window with exactly this title, within `seconds`. It is
# given a moment to take keys: a person never types within milliseconds of a
# window's coming, and keys sent sooner can reach it before its toolkit knows
# it has the focus (seen under KWin).
window() {
    i=0
    while [ $i -lt $(($2 * 10)) ]; do
        found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1)
        [ -n "$found" ] && { sleep 0.2; echo "$found"; return 0; }
        sleep 0.1; i=$((i + 1))
    done
    return 1
}

keys() { xdotool key --delay 150 "$@"; }

# Yes to the start-up question; `main` is then the main window.
past_the_question() {
    question=$(window 钟约系统 15) || fail "no start-up question"
    xdotool windowactivate --sync "$question" 2>/dev/null; keys Return
    main=$(window 青竹白鹭2 10) || fail "no main window after the question"
    sleep 0.3
}

# The window's client area (x y width height), and its outer edges with the
# window manager's frame (left top right bottom, the last two exclusive).
client() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
                                     /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'; }
outer() {
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo "$(client "$1") $extents" | awk '{print $1 - $5, $2 - $7, $1 + $3 + $6, $2 + $4 + $8}'
}

# click WINDOW X Y: a click at a point of the window's client area, given in
# twips as the layout tables place controls (15 twips a pixel, times the scale).
click() {
    set -- "$(client "$1")" "$2" "$3"
    point=$(echo "$1 $2 $3 ${QT_SCALE_FACTOR:-1}" | awk '{printf "%d %d", $1 + $5 / 15 * $7, $2 + $6 / 15 * $7}')
    xdotool mousemove $point click 1
    sleep 0.4
}

# The centres of the main window's controls, in twips, as its layout table has them.
slot1=" 847 787"; hide=" 847 1787"; settings=" 2167 1787"; quit=" 4687 1787"
content=" 3427 1755"

# A task in slot 1 due at the time of day `seconds` from now, by the keyboard
# inside the task panel; with `duration`, after that many seconds (under 60).
task_due_in() {
    click "$main" $slot1
    click "$main" $content
    xdotool type --delay 80 "e2e"
    keys Tab Tab  # the hour's list
    due=$(date -d "+$1 sec" +%H:%M:%S)
    [ "$2" = duration ] && { click "$main" 1147 2435; keys Tab; due=00:00:$1; }  # 经过时间提醒
    xdotool type --delay 80 "${due%%:*}"; keys Tab
    due_minutes=${due#*:}; xdotool type --delay 80 "${due_minutes%:*}"; keys Tab
    xdotool type --delay 80 "${due##*:}"; keys Return  # 开始任务
    confirmation=$(window 任务ＯＫ 5) || fail "no confirmation of the task"
    xdotool windowactivate --sync "$confirmation" 2>/dev/null; keys Return
    sleep 0.5
}
