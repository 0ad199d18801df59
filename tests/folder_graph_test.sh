#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The source folders include each other without a circle, and so do the rooms
# of the Qt layer: every include of another folder (or room) is an edge, and
# tsort fails on any loop. The rooms keep the order in which the README's
# layout table lists them: a room includes only rooms below it.
cd "$1" || exit 1
includes=$(grep -rHo '#include "[a-z_/]*/' --include='*.h' --include='*.cpp' . |
    sed -E 's#^\./##; s#:\#include "# #; s#/$##')

folders=$(printf '%s\n' "$includes" | awk '$1 ~ /\// { split($1, a, "/"); split($2, b, "/"); if (a[1] != b[1]) print a[1], b[1] }' | sort -u)
printf '%s\n' "$folders"
printf '%s\n' "$folders" | tsort >/dev/null || exit 1

# Within qt/: the room of a file is its sub-folder; the small headers at the
# root of qt/ belong to no room and are everybody's.
rooms=$(printf '%s\n' "$includes" | awk '$1 ~ /^qt\/[a-z_]+\// && $2 ~ /^qt\/[a-z_]+$/ {
    split($1, a, "/"); split($2, b, "/"); if (a[2] != b[2]) print a[2], b[2] }' | sort -u)
printf '%s\n' "$rooms" | sed 's/^/qt: /'
printf '%s\n' "$rooms" | tsort >/dev/null || exit 1

order=$(sed -nE 's#^\| `src/qt/([a-z_]+)/` .*#\1#p' ../README.md)
for room in $(cd qt && ls -d */ | tr -d /); do
    [ "$room" = testing ] && continue
    printf '%s\n' "$order" | grep -qx "$room" || { echo "qt/$room/ is not in the README's layout table"; exit 1; }
done
printf '%s\n' "$rooms" | while read -r from to; do
    [ -n "$from" ] || continue
    above=$(printf '%s\n' "$order" | grep -nx "$from" | cut -d: -f1)
    below=$(printf '%s\n' "$order" | grep -nx "$to" | cut -d: -f1)
    [ "$above" -lt "$below" ] || { echo "qt/$from/ includes qt/$to/, which the README lists above it"; exit 1; }
done
