#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program typed into with an input method for Chinese, IBus with
# pinyin, of its own: a word still being composed when a box opens (here a
# reminder's) stays in the box where it was typed; and the boxes that take a
# password take the keys typed, never a composition: a password set as
# `wang123` with pinyin on (not 王23) opens the exit password's box.
program=$1
. "$(dirname "$0")/desktop_session.sh"
need ibus-daemon ibus dbus-daemon xclip
[ -e /usr/share/ibus/component/libpinyin.xml ] || { echo "SKIPPED: needs ibus-libpinyin (build.sh installs it)"; exit 77; }
start_desktop openbox 1024x768x24

# IBus on a session bus of its own, its settings in the work folder.
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | tr '\n' ' ')
pids="${bus#* } $pids"
export DBUS_SESSION_BUS_ADDRESS="${bus%% *}" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
HOME="$work/ibus" ibus-daemon --xim --panel disable >"$work/ibus.log" 2>&1 &
pids="$! $pids"
engine() {
    i=0
    while [ "$(ibus engine 2>/dev/null)" != "$1" ] && [ $i -lt 100 ]; do
        ibus engine "$1" >/dev/null 2>&1; sleep 0.1; i=$((i + 1))
    done
    [ $i -lt 100 ] || fail "IBus did not switch to $1: $(tail -n 3 "$work/ibus.log")"
}
engine xkb:us::eng
address_file=$(ls "$XDG_CONFIG_HOME"/ibus/bus/* | head -n 1)

start_program QT_IM_MODULE=ibus XMODIFIERS=@im=ibus IBUS_ADDRESS_FILE="$address_file"
past_the_question
task_due_in 12
click "$main" 2167 787  # 任务2(等待): its editor
click "$main" 3427 1455 # its title, 任务2, where the words go on
engine libpinyin
xdotool type --delay 100 "shijie "  # 世界, committed by the space
xdotool type --delay 100 "nihao"    # 你好, still being composed
box=$(window 钟约系统 20) || fail "no reminder"
engine xkb:us::eng
xdotool windowactivate --sync "$box" 2>/dev/null; keys Return
click "$main" 3427 1455
keys ctrl+a ctrl+c
title=$(xclip -o -selection clipboard)
[ "$title" = "任务2世界你好" ] || fail "the title reads '$title' after a box opened while 你好 was being composed"
echo "a word being composed when a box opens stays in its box: $title"

click "$main" 2227 2827  # 取消任务 closes the editor
engine libpinyin
click "$main" $settings
click "$main" 6340 1677  # 设置密码
for box in "8520 2325" "8520 2685"; do  # the new password and its confirmation
    click "$main" $box
    xdotool type --delay 100 "wang123"
done
click "$main" 8947 3052  # 修改
done=$(window 钟约系统 5) || fail "no box after setting the exit password"
xdotool windowactivate --sync "$done" 2>/dev/null; keys Return
click "$main" 8947 3587  # 确定
click "$main" $quit
prompt=$(window 钟约系统 5) || fail "no exit password's box"
xdotool windowactivate --sync "$prompt" 2>/dev/null
xdotool type --delay 100 "wang123"
keys Return
i=0; while kill -0 "$pid" 2>/dev/null && [ $i -lt 30 ]; do sleep 0.1; i=$((i + 1)); done
kill -0 "$pid" 2>/dev/null && fail "wang123, typed with pinyin on, did not open the exit password's box"
echo "passwords typed with pinyin on are the keys typed: wang123 set and taken"
