#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the package as a distribution does: the source package from this
# tree, then the .deb from the source package with dpkg-buildpackage (which
# runs the tests; DEB_BUILD_OPTIONS=nocheck leaves them out), and lintian on
# the .changes, so on the source and the binary packages: no error, no
# warning. Everything lands in DIR (default build/package). With --install,
# autopkgtest then installs the .deb on this machine and runs debian/tests.
set -eu
source=$(cd "$(dirname "$0")/.." && pwd)
install=no
if [ "${1:-}" = --install ]; then install=yes; shift; fi
out=${1:-$source/build/package}
rm -rf "$out"
mkdir -p "$out"
cd "$out"
# dpkg-buildpackage writes the source package anew from the unpacked one.
dpkg-source -b "$source" >/dev/null
# Just made here: no signature to check.
dpkg-source --no-check -x zhongyue_1.0.dsc zhongyue >/dev/null
rm zhongyue_1.0.dsc zhongyue_1.0.tar.xz
if ! (cd zhongyue && dpkg-buildpackage -us -uc) >build.log 2>&1; then
    tail -n 40 build.log
    exit 1
fi
changes=zhongyue_1.0_$(dpkg --print-architecture).changes
echo "built in $out: $(sed -n '/^Files:/,$p' "$changes" | awk 'NF == 5 { printf "%s ", $5 }')"
lintian --fail-on error,warning --pedantic --info "$changes"
echo "lintian: no error, no warning"
if [ "$install" = yes ]; then
    "$source/scripts/need.sh" autopkgtest
    autopkgtest zhongyue_1.0.dsc "zhongyue_1.0_$(dpkg --print-architecture).deb" -- null
fi
