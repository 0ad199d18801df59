#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Qt for 64-bit Windows, built from Debian's own qt6-base sources with
# MinGW-w64: static, and only what the program and its tests need. Prints
# the folder it is installed in. The build is kept in a cache outside the
# clone (ZY_CACHE, else ~/.cache/zhongyue), keyed by Qt's version and this
# script's and the toolchain file's contents: the first run builds it, the
# next ones find it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
toolchain=$here/../../cmake/mingw-w64.cmake
version=6.4.2
key=$(cat "$0" "$toolchain" | sha256sum | cut -c1-12)
cache=${ZY_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zhongyue}
prefix=$cache/qt-$version-windows-$key
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/zhongyue-qt.XXXXXX")
trap 'rm -rf "$work"' EXIT
rm -rf "$prefix"
mkdir -p "$prefix"
# The toolchain file stays with the build: Qt's CMake files name it.
cp "$toolchain" "$prefix/mingw-w64.cmake"

# The sources through a private apt configuration with Debian's source
# archive; the machine's own apt sources stay as they are. apt checks the
# files against the signed index, dpkg-source against the .dsc.
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial"
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main" \
    >"$work/apt/sources.list"
apt=(apt-get -q -o "Dir::Etc::SourceList=$work/apt/sources.list" -o Dir::Etc::SourceParts=-
     -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache"
     -o APT::Sandbox::User=root)
"${apt[@]}" update >&2
(cd "$work" && "${apt[@]}" source "qt6-base" >&2)
source=$(echo "$work"/qt6-base-"$version"*/)
[ -f "$source/CMakeLists.txt" ] || { echo "qt6-base $version: no sources" >&2; exit 1; }

# Off: what the program never uses, OpenGL and Direct2D 1.1 (Windows draws
# with GDI), and tablets (Debian's tarball lacks the wintab headers).
# FreeType on: the offscreen plugin, which the tests run on, needs it.
mkdir "$work/build"
cd "$work/build"
"$source/configure" -prefix "$prefix" -release -static -static-runtime \
    -qt-host-path /usr -xplatform win32-g++ -nomake examples -nomake tests \
    -no-opengl -no-dbus -no-icu -no-feature-sql -no-feature-network -no-feature-printsupport \
    -no-feature-concurrent -no-feature-xml -no-feature-direct2d1_1 -no-feature-tabletevent \
    -no-feature-vulkan -qt-freetype -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >&2
cmake --build . --parallel "$(nproc)" >&2
cmake --install . >&2
# What goes beside the program: the licences of the code Qt builds into it.
mkdir -p "$prefix/licenses"
cp "$source/LICENSES/"* "$prefix/licenses/"
cp "$source/debian/copyright" "$prefix/licenses/debian-copyright"
basename "$(dirname "$(ls "$work"/*.dsc)")" >/dev/null
ls "$work"/*.dsc | xargs -n1 basename >"$prefix/source-package"
touch "$prefix/.complete"
echo "$prefix"
