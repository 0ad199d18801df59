#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program through the real screen reader, Orca, by the keyboard
# alone: a desktop with a session bus and the accessibility bus, Orca speaking
# through a speech server of its own on a silent sound device, every utterance
# read from Orca's debug log. Heard must be: the start-up question; the title
# box's name and hint as the task panel opens; a time list's name and the
# value an arrow key chose; the password box's name as its panel opens, and
# no character typed into it; the task with the reminder's box; the report,
# line by line, in the log after it.
program=$1
. "$(dirname "$0")/desktop_session.sh"
trap 'exit 1' INT TERM  # the cleanup runs on a stop too
atspi=/usr/libexec/at-spi-bus-launcher
need orca speech-dispatcher dbus-daemon "$atspi"
start_desktop openbox 1024x768x24
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | tr '\n' ' ')
pids="${bus#* } $pids"
export DBUS_SESSION_BUS_ADDRESS="${bus%% *}" SPEECHD_ADDRESS="unix_socket:$work/speech.sock"
"$atspi" --launch-immediately >/dev/null 2>&1 &
pids="$! $pids"
# Without a sound device the speech server keeps Orca waiting: ALSA's null one.
mkdir "$work/speech" "$work/orca"
printf '%s\n' 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' 'DefaultModule espeak-ng' \
    'AudioOutputMethod "alsa"' 'AudioALSADevice "null"' >"$work/speech/speechd.conf"
speech-dispatcher -s -t 0 -l 1 -C "$work/speech" -c unix_socket -S "$work/speech.sock" -L "$work" \
    -P "$work/speech.pid" >/dev/null 2>&1 &
pids="$! $pids"
# Orca writes its log only when it exits unless the file is line-buffered.
printf '%s\n' 'import orca.debug as debug' 'debug.debugFile.reconfigure(line_buffering=True)' \
    'debug.debugLevel = debug.LEVEL_INFO' >"$work/orca/orca-customizations.py"
log="$work/orca.log"
# Never with --replace: that ends every Orca on the machine.
HOME="$work/orca" orca -u "$work/orca" --debug-file "$log" >"$work/orca.out" 2>&1 &
orca=$!
pids="$orca $pids"

# What Orca said from line $1 of its log on, one utterance a line.
said() {
    awk -v from="$1" 'NR <= from { next } /^[0-9:.]+ - / { if (u != "") print u; u = "" }
        /^[0-9:.]+ - SPEECH OUTPUT: / { sub(/^[0-9:.]+ - SPEECH OUTPUT: /, ""); u = $0; next }
        u != "" && /^ / { sub(/^ +/, " "); u = u $0; next }
        u != "" { print u; u = "" } END { if (u != "") print u }' "$log"
}
mark() { wc -l <"$log"; }
# heard FROM TEXT [SECONDS]: whether Orca said TEXT since line FROM, within SECONDS.
heard() {
    tries=$((${3:-5} * 10))
    until said "$1" | grep -qF -- "$2"; do
        [ $tries -gt 0 ] || return 1
        sleep 0.1; tries=$((tries - 1))
    done
}
missed=""
expect() { heard "$@" || missed="$missed
  not heard: $2"; }

# Orca refuses to start while another runs for the same user.
i=0; while ! heard 0 "Screen reader on" 0 && [ $i -lt 150 ]; do
    kill -0 $orca 2>/dev/null || { echo "SKIPPED: Orca did not start: $(cat "$work/orca.out")"; exit 77; }
    sleep 0.1; i=$((i + 1))
done

from=$(mark)
start_program DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS"
question=$(window 钟约系统 15) || fail "no start-up question"
# Qt joins the accessibility bus while the program starts: a question that
# came sooner is heard when its box is activated again.
if ! heard "$from" "你今天是否要定计划？" 5; then
    echo "the start-up question came before Qt could tell of it"
    xdotool windowminimize --sync "$question"; xdotool windowactivate --sync "$question" 2>/dev/null
    expect "$from" "你今天是否要定计划？"
fi
keys Return
window 青竹白鹭2 10 >/dev/null || fail "no main window after the question"
heard "$from" "任务1(等待)" 10 || fail "the first slot button was not heard"

# Each step waits for what Orca says of the last: under load it lags behind
# the keys, and it drops the focus of a control left before it spoke.
from=$(mark); keys space  # 任务1(等待) opens the panel on the title box
expect "$from" "标题："
expect "$from" "可以在此输入提醒任务的标题"
from=$(mark); xdotool type --delay 80 walk; keys Tab; heard "$from" "提醒内容："
from=$(mark); xdotool type --delay 80 water; keys Tab Tab; expect "$from" "指定时间的时"
from=$(mark); keys Down; expect "$from" "'00"  # the first hour
due=$(date -d "+40 sec" +%H:%M:%S); minutes=${due#*:}
for part in "${due%%:*}" "${minutes%:*}" "${due##*:}"; do
    from=$(mark); xdotool type --delay 80 "$part"; keys Tab; heard "$from" "tab"
done
from=$(mark); keys Tab Tab Tab; heard "$from" "设置密码"
from=$(mark); keys space; expect "$from" "设置新密码："  # its panel opens on the new password
typing=$(mark)
xdotool type --delay 120 qyzx; keys BackSpace Tab; heard "$typing" "再次确认密码："
xdotool type --delay 120 qyz; keys Tab space
window ＹＥＳ 5 >/dev/null || fail "no box saying the password was set"
said "$typing" | grep -E "^'[qyzx] ?'|qyz" && missed="$missed
  a character of the password"
keys Return; sleep 0.5; keys Return  # 开始任务
window 任务ＯＫ 5 >/dev/null || fail "no confirmation of the task"
from=$(mark); keys Return

window 钟约系统 50 >/dev/null || fail "no reminder"
heard "$from" "任务1提醒" || fail "the reminder was not heard"
expect "$from" "标题：walk"
expect "$from" "提醒内容：water"
from=$(mark); keys Return; sleep 1; keys Down Down Down
expect "$from" "'标题：walk'"
[ -z "$missed" ] || fail "Orca did not say what it should:$missed"
echo "heard: the question, the title box's name and hint, a time list's name and value, the"
echo "password box's name and no password, the task with its reminder, the report in the log"
