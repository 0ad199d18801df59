#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The installer under Wine, silently, for everyone and just for the person
# running it, side by side, each with and without starting the program at
# login: /S puts the program, its licences, a Start-menu shortcut, the login
# shortcut when asked for, and an Add/Remove Programs entry in the scope's own
# folders and registry; each uninstaller's /S takes away its own install and
# leaves the other, and after both the Wine prefix is as it was before.
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
state | sort >"$work/before"

user="$prefix/drive_c/users/$(id -un)"
# installed SCOPE [/StartAtLogin]: the install of that scope is all there.
installed() {
    case $1 in
        AllUsers) programs="$prefix/drive_c/Program Files" windows='C:\\Program Files' registry=system.reg
                  menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" ;;
        CurrentUser) programs="$user/AppData/Local/Programs" registry=user.reg
                     windows="C:\\\\users\\\\$(id -un)\\\\AppData\\\\Local\\\\Programs"
                     menu="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs" ;;
    esac
    home="$programs/钟约系统"
    for file in zhongyue.exe uninstall.exe licenses/COPYING.txt licenses/SOURCES.txt \
        licenses/qt/LGPL-3.0-only.txt licenses/qt/debian-copyright.txt; do
        [ -f "$home/$file" ] || fail "$1: not installed: $file"
    done
    [ -f "$menu/钟约系统.lnk" ] || fail "$1: no Start-menu shortcut"
    if [ -n "$2" ]; then
        [ -f "$menu/StartUp/钟约系统.lnk" ] || fail "$1: no shortcut in the Startup folder"
    else
        [ ! -e "$menu/StartUp/钟约系统.lnk" ] || fail "$1: a shortcut in the Startup folder, not asked for"
    fi
    # The entry as Wine's registry file holds it: 钟约系统 and 钟约小组 escaped.
    sed -n '/^\[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\cn.zhongyue.ZhongYue\]/,/^$/p' \
        "$prefix/$registry" >"$work/entry"
    name='\x949f\x7ea6\x7cfb\x7edf'
    for value in "\"DisplayName\"=\"$name\"" '"Publisher"="\x949f\x7ea6\x5c0f\x7ec4"' '"DisplayVersion"="' \
        "\"DisplayIcon\"=\"$windows\\\\$name\\\\zhongyue.exe,0\"" \
        "\"QuietUninstallString\"=\"\\\"$windows\\\\$name\\\\uninstall.exe\\\" /S\"" \
        '"UninstallString"=' '"EstimatedSize"=dword:'; do
        grep -qF "$value" "$work/entry" || fail "$1: the entry in $registry lacks $value: $(cat "$work/entry")"
    done
}
uninstall() { installed "$@"; wine "$home/uninstall.exe" /S; }

# One scope with the login shortcut and the other without, then the other way
# round; the first to go is once the person's own, once everyone's.
for round in "AllUsers /StartAtLogin,CurrentUser" "CurrentUser /StartAtLogin,AllUsers"; do
    first=${round%,*} second=${round#*,}
    wine "$setup" /S /$first
    wine "$setup" /S /$second
    installed $first && installed $second
    echo "$first and $second: the program, its licences, the shortcuts and the Add/Remove Programs entries"
    uninstall $second
    installed $first
    uninstall $first
    state | sort >"$work/after"
    # What is there now and was not before: Wine itself re-creates some keys of
    # its devices at a start, without their defaults, which is no leftover.
    comm -13 "$work/before" "$work/after" | grep -v '^$' >"$work/left" &&
        fail "the uninstallers left: $(head -n 20 "$work/left")"
    echo "$second uninstalled, $first still whole; both uninstalled, the prefix is as it was"
done
# What Windows removes at its next start, the test's prefix loses now:
# Wine's restart removes the files, and the folder goes by hand.
wine wineboot --restart
rm -rf "$prefix"/drive_c/users/*/Temp/~nsu*.tmp
