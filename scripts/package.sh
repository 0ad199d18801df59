#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the .deb, has lintian check it, installs it with apt-get, and starts
# the installed program offscreen: it must come up and wait at its start-up
# question.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
(cd build && cpack >/dev/null)
package=$(ls build/zhongyue_*.deb | head -n 1)
echo "built $package"
dpkg-deb --field "$package" Package Version Depends
lintian --fail-on error,warning "$package"
echo "lintian: no error, no warning"
DEBIAN_FRONTEND=noninteractive apt-get install -y "./$package" >/dev/null
echo "installed: $(command -v zhongyue)"
set +e
QT_QPA_PLATFORM=offscreen timeout 3 zhongyue </dev/null >/dev/null 2>&1
status=$?
set -e
[ "$status" -eq 124 ] || { echo "the installed program ended with status $status"; exit 1; }
echo "the installed program started and waited at its question"
