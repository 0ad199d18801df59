#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# `cmake --install` puts exactly the program, its launcher, its icons, its
# metainfo, its manual page and its Debian documents into a prefix, and the
# desktop's own validators accept them; lintian finds no error and no warning
# in the .deb, and the source tree is REUSE-compliant.
build=$1
source=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || exit 1
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
for tool in desktop-file-validate appstreamcli lintian reuse; do
    command -v "$tool" >/dev/null ||
        { echo "SKIPPED: needs $tool (build.sh installs it)"; exit 77; }
done
desktop-file-validate "$prefix/share/applications/$id.desktop" || exit 1
appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$id.metainfo.xml" || exit 1
echo "installed and valid: $(echo "$installed" | wc -l) files"

cpack --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null || exit 1
lintian --fail-on error,warning --info "$work"/deb/zhongyue_*.deb || exit 1
echo "lintian: no error, no warning"

reuse --root "$source" lint >"$work/reuse" || { cat "$work/reuse"; exit 1; }
tail -n 1 "$work/reuse"
