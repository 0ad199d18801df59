#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program under a window manager that people use (openbox, GNOME's
# mutter, KDE's KWin), by mouse: 隐藏 minimises the main window; the game's box
# for 答案 and a reminder's box come centred on the screen while the window is
# minimised; after the reminder's 确定 the main window is back, raised and
# active, also when another program's window was in front of it.
program=$1
. "$(dirname "$0")/desktop_session.sh"
need xmessage
start_desktop "${2:-openbox}" 1024x768x24
screen=$(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')

iconic() { xprop -id "$1" WM_STATE | grep -q 'window state: Iconic'; }
active() { xprop -root _NET_ACTIVE_WINDOW | grep -q "# $(printf '0x%x' "$1")\$"; }
# Whether window $1 lies above window $2 in the window manager's stacking order.
above() {
    order=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
    echo "$order" | awk -v a="$(printf '0x%x' "$1")" -v b="$(printf '0x%x' "$2")" \
        '{for (i = 1; i <= NF; i++) {if ($i == a) ia = i; if ($i == b) ib = i}} END {exit !(ia > ib)}'
}
# centred WINDOW WHAT [SLACK]: fails unless the window lies centred on the
# screen, its two edges on each axis no more than SLACK (3) pixels uneven.
centred() {
    set -- $(outer "$1") $screen "$2" "${3:-3}"
    [ $(($1 + $3 - $5)) -ge -$8 ] && [ $(($1 + $3 - $5)) -le $8 ] &&
        [ $(($2 + $4 - $6)) -ge -$8 ] && [ $(($2 + $4 - $6)) -le $8 ] ||
        fail "$7 spans $1,$2 to $3,$4, not centred on the ${5}x$6 screen on $wm"
}
# The reminder's box: centred on the screen; its 确定 clicked.
answer_reminder() {
    box=$(window 钟约系统 25) || fail "no reminder on $wm"
    sleep 0.3
    centred "$box" "the reminder's box"
    set -- $(outer "$box")
    xdotool mousemove $((($1 + $3) / 2)) $(($4 - 20)) click 1  # 确定, at the foot of the box
    sleep 1
}

start_program
past_the_question
# The window manager must let the program minimise its main window, though
# the window shows no button for it: functions close and minimise, not
# maximise; no menu, minimise or maximise button among the decorations.
motif=$(xprop -id "$main" _MOTIF_WM_HINTS | sed 's/.*= //')
functions=$(echo "$motif" | cut -d, -f2); decorations=$(echo "$motif" | cut -d, -f3)
[ $((functions & 0x38)) -eq $((0x28)) ] && [ $((decorations & 0x70)) -eq 0 ] ||
    fail "the main window's hints are not close and minimise alone, without buttons: $motif"

# An input box, too, comes centred while the main window is minimised: the
# game's 答案, with the game window up (the settings panel's 游戏, then 退出
# in the game and 确定 in the panel; their centres in twips as the layout
# tables place them). Minimised and brought back by the game's entry in the
# task bar, it is mapped anew by the window manager (KWin), and stays centred.
# It can be resized: openbox gives it a handle at its foot, 4 pixels more than
# the frame of the other windows that it is centred with.
play=" 7747 3587"; panel_ok=" 8947 3587"; answer=" 2887 5047"; leave_game=" 2887 5647"
click "$main" $settings
click "$main" $play
game=$(window 考考你 5) || fail "no game window on $wm"
iconic "$main" || fail "the game left the main window up on $wm"
click "$game" $answer
box=$(window 想知密码问阿甲 5) || fail "no box for 答案 on $wm"
sleep 0.3
centred "$box" "the box for 答案" 4
xdotool windowminimize "$box"; sleep 0.5
xdotool windowactivate "$game" 2>/dev/null; sleep 0.5
# Where the game comes back without it (openbox), the box by its own entry.
xwininfo -id "$box" | grep -q IsViewable || xdotool windowactivate --sync "$box" 2>/dev/null
sleep 0.3
centred "$box" "the box for 答案, minimised and brought back," 4
xdotool windowactivate --sync "$box" 2>/dev/null; keys Escape
click "$game" $leave_game
click "$main" $panel_ok
echo "$wm: the game's box for 答案 came centred on the screen, and came back there after it was minimised"

task_due_in 8
click "$main" $hide
i=0; while ! iconic "$main" && [ $i -lt 20 ]; do sleep 0.1; i=$((i + 1)); done
iconic "$main" || fail "隐藏 did not minimise the window on $wm: $(tail -n 3 "$work/wm.log" 2>/dev/null)"
echo "$wm: 隐藏 minimises the main window"
answer_reminder
! iconic "$main" && active "$main" || fail "the window is not back and active after the reminder on $wm"
echo "$wm: the reminder's box came centred on the screen; after it the window is back and active"

task_due_in 8
xmessage -geometry 1000x740+0+0 "another program" 2>/dev/null &
pids="$! $pids"
other=$(window xmessage 5) || fail "no other program's window"
xdotool windowactivate --sync "$other" 2>/dev/null
sleep 0.3
above "$other" "$main" || fail "the other program's window is not in front"
answer_reminder
active "$main" && above "$main" "$other" ||
    fail "after the reminder the window stays behind the other program's on $wm: $(xprop -root _NET_ACTIVE_WINDOW)"
echo "$wm: after the reminder the window is in front of the other program's, and active"
