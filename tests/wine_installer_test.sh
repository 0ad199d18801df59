#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The installer under Wine, silently as an administrator runs it: /S puts the
# program, its licences, a Start-menu shortcut and an Add/Remove Programs
# entry in place; the uninstaller's /S takes every one of them away again,
# so that the Wine prefix is as it was before.
setup=$1
. "$(dirname "$0")/wine_prefix.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $1"; exit 1; }
wine() { "$wine_sh" "$@" 2>>"$work/wine.log"; WINEPREFIX="$prefix" wineserver -w; }

# The files outside Windows' own folder and the temporary folder, and the
# registry: the uninstaller runs from a copy of itself there, which Windows
# is asked to remove at the next start.
state() {
    (cd "$prefix/drive_c" && find . -path ./windows -prune -o -path './users/*/Temp' -prune -o -print | sort)
    registry | grep -v '^"PendingFileRenameOperations"='
}
wine cmd /c exit
state >"$work/before"

wine "$setup" /S
home="$prefix/drive_c/Program Files/钟约系统"
for file in zhongyue.exe uninstall.exe licenses/COPYING.txt licenses/SOURCES.txt \
    licenses/qt/LGPL-3.0-only.txt licenses/qt/debian-copyright.txt; do
    [ -f "$home/$file" ] || fail "not installed: $file"
done
[ -f "$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/钟约系统.lnk" ] ||
    fail "no Start-menu shortcut"
# The entry as Wine's registry file holds it: 钟约系统 and 钟约小组 escaped.
name='\x949f\x7ea6\x7cfb\x7edf'
sed -n '/^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\cn.zhongyue.ZhongYue\]/,/^$/p' \
    "$prefix/system.reg" >"$work/entry"
for value in "\"DisplayName\"=\"$name\"" '"Publisher"="\x949f\x7ea6\x5c0f\x7ec4"' '"DisplayVersion"="' \
    "\"DisplayIcon\"=\"C:\\\\Program Files\\\\$name\\\\zhongyue.exe,0\"" \
    "\"QuietUninstallString\"=\"\\\"C:\\\\Program Files\\\\$name\\\\uninstall.exe\\\" /S\"" \
    '"UninstallString"=' '"EstimatedSize"=dword:'; do
    grep -qF "$value" "$work/entry" || fail "the Add/Remove Programs entry lacks $value: $(cat "$work/entry")"
done
echo "installed: the program, its licences, the shortcut and the Add/Remove Programs entry"

wine "$home/uninstall.exe" /S
state >"$work/after"
diff "$work/before" "$work/after" >"$work/left" || fail "the uninstaller left: $(head -n 20 "$work/left")"
echo "uninstalled: the prefix is as it was"
# What Windows removes at its next start, the test's prefix loses now:
# Wine's restart removes the files, and the folder goes by hand.
wine wineboot --restart
rm -rf "$prefix"/drive_c/users/*/Temp/~nsu*.tmp
