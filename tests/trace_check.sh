#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Reads an `strace -f` record of the program (execve, clone, fork, open and
# connect calls): it started no other process, opened no file for writing, and
# talked over no socket but the X display's (number $2).
trace=$1
display=$2
failed=0
report() { echo "FAILED: $1"; grep -E "$2" "$trace" | head -n 5; failed=1; }
[ "$(grep -c 'execve(' "$trace")" -eq 1 ] || report "another program was run" 'execve\('
grep -E '(clone|clone3)\(' "$trace" | grep -v CLONE_THREAD | grep -q . &&
    report "a process was started" '(clone|clone3)\('
grep -qE ' v?fork\(' "$trace" && report "a process was forked" 'fork\('
grep -E '(open|openat|creat)\(' "$trace" | grep -E 'O_WRONLY|O_RDWR|O_CREAT|creat\(' |
    grep -v '= -1' | grep -q . && report "a file was opened for writing" 'O_WRONLY|O_RDWR|O_CREAT|creat\('
grep 'connect(' "$trace" | grep -v '= -1' | grep -v "X11-unix/X$display\"" | grep -q . &&
    report "a socket other than the display's" 'connect\('
exit $failed
