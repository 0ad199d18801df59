#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The program for 64-bit Windows, made on Debian: scripts/windows.sh OUT
# installs what is missing, takes Qt for Windows from the cache or builds it
# (scripts/windows/qt.sh), cross-builds the program and its tests, runs the
# tests under Wine, and leaves OUT/zhongyue.exe and the installer
# OUT/zhongyue-setup.exe. The build folder is build-windows (ZY_WINDOWS_BUILD).
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 1 ] || { echo "usage: $0 OUT" >&2; exit 2; }
out=$(realpath -m "$1")
build=$(realpath -m "${ZY_WINDOWS_BUILD:-build-windows}")

scripts/need.sh cmake ninja-build dpkg-dev g++-mingw-w64-x86-64-posix qt6-base-dev \
    qt6-translations-l10n googletest wine wine64 fonts-wqy-microhei nsis \
    xvfb openbox xdotool x11-utils imagemagick
qt=$(scripts/windows/qt.sh)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/scripts/windows/wine.sh" >/dev/null
cmake --build "$build"
(cd "$build" && ctest --output-on-failure -j 2)

# One .exe that needs nothing but Windows' own libraries.
imports=$(x86_64-w64-mingw32-objdump -p "$build/zhongyue.exe" | sed -n 's/.*DLL Name: //p' | sort)
foreign=$(echo "$imports" | grep -viE '^(advapi32|comdlg32|dwmapi|gdi32|imm32|kernel32|msvcrt|ole32|oleaut32|setupapi|shell32|shcore|shlwapi|user32|userenv|uxtheme|version|winmm|ws2_32|d3d11|d3d9|dxgi|dwrite|authz|netapi32|wtsapi32|mpr|api-ms-win-[a-z0-9-]*)\.dll$' || true)
[ -z "$foreign" ] || { echo "zhongyue.exe needs libraries Windows does not have: $foreign" >&2; exit 1; }

# Beside the program: its licence, those of what Qt builds into it, and where
# the sources of both are.
licenses="$build/licenses"
rm -rf "$licenses"
mkdir -p "$licenses/qt"
sed 's/$/\r/' LICENSE >"$licenses/COPYING.txt"
for file in "$qt"/licenses/*; do
    name=$(basename "$file")
    sed 's/$/\r/' "$file" >"$licenses/qt/${name%.txt}.txt"
done
qt_source=$(sed "s/_/ /; s/\.dsc$//" "$qt/source-package")
sed -e "s/@QT_SOURCE@/$qt_source/" -e 's/$/\r/' data/windows/SOURCES.txt >"$licenses/SOURCES.txt"

mkdir -p "$out"
cp "$build/zhongyue.exe" "$out/zhongyue.exe"
version=$(sed -n 's/.*kVersion = "\(.*\)".*/\1/p' src/forms/identity.h)
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DEXE="$build/zhongyue.exe" \
    -DICON="$build/zhongyue.ico" -DLICENSES="$licenses" -DOUT="$out/zhongyue-setup.exe" \
    -DPICTURE="$build/installer.bmp" \
    data/windows/installer.nsi
tests/wine_installer_test.sh "$out/zhongyue-setup.exe"
echo "built in $out: zhongyue.exe zhongyue-setup.exe"
