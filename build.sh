#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up a fresh Debian 12 machine, builds, and then runs the program
# (./build.sh run) or every test (./build.sh test).
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libxcb1-dev libfontconfig-dev qt6-translations-l10n
          libgtest-dev fonts-noto-cjk fonts-arphic-ukai fonts-arphic-uming fonts-noto-color-emoji
          libcanberra-dev libcanberra-pulse sound-theme-freedesktop pulseaudio pulseaudio-utils
          xvfb openbox mutter kwin-x11 dbus-daemon ibus ibus-libpinyin xdotool x11-utils xclip strace
          desktop-file-utils appstream lintian reuse
          debhelper)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    install="apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
    if [ "$(id -u)" -eq 0 ]; then
        sh -c "DEBIAN_FRONTEND=noninteractive $install"
    elif command -v sudo >/dev/null 2>&1; then
        sudo sh -c "DEBIAN_FRONTEND=noninteractive $install"
    else
        echo "Some packages are missing. As root, run:"
        echo "  $install"
        exit 1
    fi
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build

case "${1:-run}" in
    run) exec build/zhongyue ;;
    test) cd build && QT_QPA_PLATFORM=offscreen exec ctest --output-on-failure -j 2 ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac
