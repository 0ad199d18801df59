#!/bin/sh
# The real program on an X server with no session bus, watched by strace from
# its start to its waiting question: it starts no other process, opens no file
# for writing, and talks over no socket but the display's.
program=$1
command -v Xvfb >/dev/null && command -v strace >/dev/null ||
    { echo "SKIPPED: needs Xvfb and strace (build.sh installs them)"; exit 77; }
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
i=0; while [ ! -s "$work/display" ] && [ $i -lt 100 ]; do sleep 0.05; i=$((i + 1)); done
[ -s "$work/display" ] || { echo "SKIPPED: Xvfb did not start"; exit 77; }
display=":$(cat "$work/display")"

env -u DBUS_SESSION_BUS_ADDRESS -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY="$display" \
    HOME="$work/home" timeout 4 strace -f -qq -o "$work/trace" \
    -e trace=execve,clone,clone3,fork,vfork,openat,open,creat,connect "$program" </dev/null >/dev/null 2>&1
failed=0
report() { echo "FAILED: $1"; grep -E "$2" "$work/trace" | head -5; failed=1; }
[ "$(grep -c 'execve(' "$work/trace")" -eq 1 ] || report "another program was run" 'execve\('
grep -E '(clone|clone3)\(' "$work/trace" | grep -v CLONE_THREAD | grep -q . &&
    report "a process was started" '(clone|clone3)\('
grep -qE ' (v?fork)\(' "$work/trace" && report "a process was forked" 'fork\('
grep -E '(open|openat|creat)\(' "$work/trace" | grep -E 'O_WRONLY|O_RDWR|O_CREAT|creat\(' |
    grep -v '= -1' | grep -q . && report "a file was opened for writing" 'O_WRONLY|O_RDWR|O_CREAT|creat\('
# Connections that went through: only to the display.
grep 'connect(' "$work/trace" | grep -v '= -1' | grep -v "X11-unix/X${display#:}\"" | grep -q . &&
    report "a socket other than the display's" 'connect\('
[ -d "$work/home" ] && report "something was written under the home folder" 'x^'
[ $failed -eq 0 ] && echo "started, waited at its question: no process, no file written, only the display"
exit $failed
