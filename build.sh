#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sets up a fresh Debian 12 machine, builds, and then runs the program
# (./build.sh run) or every test (./build.sh test): Linux's, then the Windows
# program's under Wine (scripts/windows.sh, which leaves the .exe and the
# installer in build-windows/out).
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libxcb1-dev libfontconfig-dev qt6-translations-l10n
          libgtest-dev fonts-noto-cjk fonts-arphic-ukai fonts-arphic-uming fonts-noto-color-emoji
          libcanberra-dev libcanberra-pulse sound-theme-freedesktop pulseaudio pulseaudio-utils
          xvfb openbox python3-xdg mutter kwin-x11 dbus-daemon ibus ibus-libpinyin xdotool x11-utils xclip strace xsettingsd
          x11-session-utils x11-xserver-utils libfaketime
          orca speech-dispatcher-espeak-ng espeak-ng at-spi2-core
          desktop-file-utils appstream lintian reuse
          debhelper)
scripts/need.sh "${packages[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build

case "${1:-run}" in
    run) exec build/zhongyue ;;
    test)
        (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j 2)
        exec scripts/windows.sh build-windows/out ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac
