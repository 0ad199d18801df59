#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# scripts/package.sh builds the package without the tests (this run has them)
# and lintian finds no error and no warning; the .deb holds exactly the
# program, its launcher, icons, metainfo, manual pages and Debian documents,
# which the desktop's own validators accept; the packaged program passes
# debian/tests on an X server; the source tree is REUSE-compliant.
source=$(cd "$(dirname "$0")/.." && pwd)
for tool in dpkg-buildpackage dh lintian desktop-file-validate appstreamcli reuse Xvfb openbox xdotool; do
    command -v "$tool" >/dev/null ||
        { echo "SKIPPED: needs $tool (build.sh installs it)"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" "$source/scripts/package.sh" "$work/package" || exit 1
dpkg-deb -x "$work/package/zhongyue_1.0_$(dpkg --print-architecture).deb" "$work/root" || exit 1
prefix=$work/root/usr
id=cn.zhongyue.ZhongYue
expected="bin/zhongyue
share/applications/$id.desktop
share/doc/zhongyue/changelog.gz
share/doc/zhongyue/copyright
$(for size in 128 16 24 256 32 48 64; do echo "share/icons/hicolor/${size}x$size/apps/$id.png"; done)
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/zhongyue.1.gz
share/man/zh_CN/man1/zhongyue.1.gz
share/metainfo/$id.metainfo.xml"
installed=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
if [ "$installed" != "$(printf '%s\n' "$expected" | LC_ALL=C sort)" ]; then
    echo "FAILED: installed files differ from the expected ones:"
    printf '%s\n' "$installed" >"$work/list"
    printf '%s\n' "$expected" | LC_ALL=C sort | diff - "$work/list"
    exit 1
fi
desktop-file-validate "$prefix/share/applications/$id.desktop" || exit 1
appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$id.metainfo.xml" || exit 1
echo "installed and valid: $(echo "$installed" | wc -l) files"

"$source/debian/tests/starts-on-a-desktop" "$prefix/bin/zhongyue" || exit 1

reuse --root "$source" lint >"$work/reuse" || { cat "$work/reuse"; exit 1; }
tail -n 1 "$work/reuse"
