#!/bin/sh
# `cmake --install` puts exactly the program, its launcher, its icons and its
# metainfo into a prefix, and the desktop's own validators accept them.
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || exit 1
id=cn.zhongyue.ZhongYue
expected="bin/zhongyue
share/applications/$id.desktop
$(for size in 128 16 24 256 32 48 64; do echo "share/icons/hicolor/${size}x$size/apps/$id.png"; done)
share/icons/hicolor/scalable/apps/$id.svg
share/metainfo/$id.metainfo.xml"
installed=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
if [ "$installed" != "$(printf '%s\n' "$expected" | LC_ALL=C sort)" ]; then
    echo "FAILED: installed files differ from the expected ones:"
    printf '%s\n' "$expected" | LC_ALL=C sort | diff - "$(printf '%s\n' "$installed" >"$prefix/list"; echo "$prefix/list")"
    exit 1
fi
command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null ||
    { echo "SKIPPED: needs desktop-file-validate and appstreamcli (build.sh installs them)"; exit 77; }
desktop-file-validate "$prefix/share/applications/$id.desktop" || exit 1
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || exit 1
echo "installed and valid: $(echo "$installed" | wc -l) files"
