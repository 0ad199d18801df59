#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a Windows program under Wine: wine.sh PROGRAM.exe [ARGUMENT...]. The
# Wine prefix is the project's own (ZY_WINEPREFIX, else one in the cache
# folder), made on first use with a Chinese face in its Fonts folder, as a
# Chinese Windows has a Hei and a Kai face, and a stand-in for SimSun. Also
# the tests' emulator.
set -eu
cache=${ZY_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zhongyue}
export WINEPREFIX="${ZY_WINEPREFIX:-$cache/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No menu files in the home folder, no asking for Mono or Gecko.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ ! -f "$fonts/ukai.ttc" ] || [ ! -f "$fonts/wqy-microhei.ttc" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc /usr/share/fonts/truetype/arphic/ukai.ttc "$fonts/"
    wineserver -w
fi
# A Chinese Windows draws dialogs that ask for 宋体 (the installer's pages) in
# SimSun, which is not free: the Hei face stands in for it, by the names a
# program may ask for, as the registry's FontSubstitutes map one face to another.
if ! grep -q '^"SimSun"=' "$WINEPREFIX/system.reg"; then
    reg=$(mktemp --suffix=.reg)
    { printf '\377\376'; iconv -f UTF-8 -t UTF-16LE; } >"$reg" <<'END'
Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"SimSun"="WenQuanYi Micro Hei"
"宋体"="WenQuanYi Micro Hei"
"NSimSun"="WenQuanYi Micro Hei"
"新宋体"="WenQuanYi Micro Hei"
END
    wine regedit /S "$(winepath -w "$reg")"
    wineserver -w
    rm -f "$reg"
fi
# Wine hands no QT_ variable to a Windows program (they are the host's Qt's);
# WINEQT_NAME arrives as QT_NAME. A program without a console prints Qt's
# messages to the debugger unless told otherwise.
for name in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "export WINE$name=\"\$$name\""
done
export WINEQT_FORCE_STDERR_LOGGING=1
# The offscreen platform (the tests') reads its faces from one folder.
export WINEQT_QPA_FONTDIR='C:\windows\Fonts'
exec wine "$@"
