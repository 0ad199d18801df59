#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The package as a distribution builds it, by scripts/package.sh from the
# source package (without the tests: this run has them): lintian finds no
# error and no warning in the source and binary packages; the .deb holds
# exactly the program, its launcher, its icons, its metainfo, its manual pages
# and its Debian documents, and the desktop's own validators accept them; the
# packaged program passes the package's own test (debian/tests) on an X
# server; and the source tree is REUSE-compliant.
source=$(cd "$(dirname "$0")/.." && pwd)
for tool in dpkg-buildpackage dh lintian desktop-file-validate appstreamcli reuse Xvfb openbox xdotool; do
    command -v "$tool" >/dev/null ||
        { echo "SKIPPED: needs $tool (build.sh installs it)"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" "$source/scripts/package.sh" "$work/package" || exit 1
dpkg-deb -x "$work/package/zhongyue_1.0_$(dpkg --print-architecture).deb" "$work/root" || exit 1
id=cn.zhongyue.ZhongYue
expected="usr/bin/zhongyue
usr/share/applications/$id.desktop
usr/share/doc/zhongyue/changelog.gz
usr/share/doc/zhongyue/copyright
$(for size in 128 16 24 256 32 48 64; do echo "usr/share/icons/hicolor/${size}x$size/apps/$id.png"; done)
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/man1/zhongyue.1.gz
usr/share/man/zh_CN/man1/zhongyue.1.gz
usr/share/metainfo/$id.metainfo.xml"
packaged=$(cd "$work/root" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
if [ "$packaged" != "$(printf '%s\n' "$expected" | LC_ALL=C sort)" ]; then
    echo "FAILED: the packaged files differ from the expected ones:"
    printf '%s\n' "$packaged" >"$work/list"
    printf '%s\n' "$expected" | LC_ALL=C sort | diff - "$work/list"
    exit 1
fi
desktop-file-validate "$work/root/usr/share/applications/$id.desktop" || exit 1
appstreamcli validate --pedantic --no-net "$work/root/usr/share/metainfo/$id.metainfo.xml" || exit 1
echo "packaged and valid: $(echo "$packaged" | wc -l) files"

"$source/debian/tests/starts-on-a-desktop" "$work/root/usr/bin/zhongyue" || exit 1

reuse --root "$source" lint >"$work/reuse" || { cat "$work/reuse"; exit 1; }
tail -n 1 "$work/reuse"
