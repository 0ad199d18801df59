#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs those of the named Debian packages that are missing (for build.sh
# and the package scripts): as root, or through sudo; otherwise it prints the
# apt-get line to run and fails.
missing=""
for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing="$missing $package"
done
[ -z "$missing" ] && exit 0
install="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends$missing"
if [ "$(id -u)" -eq 0 ]; then
    sh -c "$install"
elif command -v sudo >/dev/null 2>&1; then
    sudo sh -c "$install"
else
    echo "Some packages are missing. As root, run:"
    echo "  $install"
    exit 1
fi
