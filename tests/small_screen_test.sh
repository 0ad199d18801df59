#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program on a small laptop screen (1366x768) scaled to 150 % and
# 200 %: every panel that opens keeps the main window whole on the screen, or
# where the window is taller than the screen, its title bar on it; each close
# takes back exactly what its open did, that move included; the game window
# comes whole, or with its title bar on the screen.
program=$1
. "$(dirname "$0")/desktop_session.sh"
start_desktop openbox 1366x768x24

# On the screen: whole, or from its top left corner where it is too big.
on_screen() {
    set -- $(outer "$1")
    [ "$1" -ge 0 ] && [ "$2" -ge 0 ] &&
        { [ "$3" -le 1366 ] || [ "$1" -eq 0 ]; } && { [ "$4" -le 768 ] || [ "$2" -eq 0 ]; }
}
# step WHAT X Y: a click on the main window; the window stays on the screen.
step() {
    click "$main" $2 $3
    on_screen "$main" || fail "at $QT_SCALE_FACTOR, $1 puts the window at $(outer "$main")"
}

for scale in 1.5 2; do
    export QT_SCALE_FACTOR=$scale
    start_program
    past_the_question
    shown=$(outer "$main")
    step "the task panel" $slot1
    with_task_panel=$(outer "$main")
    step "the password panel" 4627 2827            # 设置密码
    step "closing the password panel" 4807 4167    # 取消
    [ "$(outer "$main")" = "$with_task_panel" ] || fail "at $scale the password panel's close left the window at $(outer "$main")"
    step "closing the task panel" 2227 2827        # 取消任务
    [ "$(outer "$main")" = "$shown" ] || fail "at $scale the task panel's close left the window at $(outer "$main"), not $shown"
    step "the settings panel" $settings
    step "closing the settings panel" 8947 3587    # 确定
    [ "$(outer "$main")" = "$shown" ] || fail "at $scale the settings panel's close left the window at $(outer "$main")"
    click "$main" $settings
    click "$main" 7747 3587                        # 游戏
    game=$(window 考考你 5) || fail "no game window at $scale"
    sleep 0.3
    on_screen "$game" || fail "at $scale the game window is at $(outer "$game")"
    echo "at $scale: the main window at $shown, with the task panel at $with_task_panel, the game at $(outer "$game")"
    kill "$pid"; wait "$pid" 2>/dev/null || true
done
