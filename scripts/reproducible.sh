#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the package twice from one source package made from this tree, with
# reprotest: the second build in another folder, 400 days later by its
# clock (faketime), with another umask, locale, time zone, home, PATH, host
# name and kernel name, and reading its folders in another order
# (disorderfs); both .deb files must be byte-identical. Where they differ,
# diffoscope says how, in DIR/result/ (default DIR: build/reproducible).
# The builds leave the tests out (nocheck): they change nothing packaged.
set -eu
source=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$source/build/reproducible}
"$source/scripts/need.sh" reprotest faketime disorderfs diffoscope-minimal locales-all
rm -rf "$out"
mkdir -p "$out/source"
(cd "$out/source" && dpkg-source -b "$source" >/dev/null)
# Building as another user needs spare accounts and sudo set up for them.
# Left to itself, reprotest skips the clock's change in half the runs.
if ! DEB_BUILD_OPTIONS=nocheck reprotest --verbosity=1 --min-cpus=2 --vary=-user_group \
    --vary=time.faketimes+=+400days --store-dir="$out/result" "$out/source/zhongyue_1.0.dsc" -- null >"$out/log" 2>&1; then
    tail -n 20 "$out/log"
    head -n 100 "$out/result"/*.diffoscope.out 2>/dev/null
    exit 1
fi
grep 'variation' "$out/log" | sed 's/^INFO:reprotest[.a-z]*://'
cat "$out/result/SHA256SUMS"
echo "two builds, byte-identical .deb files"
