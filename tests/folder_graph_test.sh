#!/bin/sh

# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The source folders include each other without a circle: every include of
# another folder is an edge, and tsort fails on any loop.
cd "$1" || exit 1
edges=$(grep -rHo '#include "[a-z_]*/' --include='*.h' --include='*.cpp' . |
    sed -nE 's#^\./([a-z_]+)/[^:]*:\#include "([a-z_]+)/#\1 \2#p' | awk '$1 != $2' | sort -u)
printf '%s\n' "$edges"
printf '%s\n' "$edges" | tsort >/dev/null
