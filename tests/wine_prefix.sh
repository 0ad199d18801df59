# SPDX-FileCopyrightText: 2026 钟约小组
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the tests that run the Windows program or its installer under
# Wine: `wine_sh` runs a Windows program in the project's Wine prefix,
# `prefix` is that prefix, and `registry` prints its registry but for what
# Wine keeps for itself whatever a program does (the keys' time stamps, when
# its display driver was last set up, the host's fonts it lends).
wine_sh="$(cd "$(dirname "$0")/.." && pwd)/scripts/windows/wine.sh"
prefix=${ZY_WINEPREFIX:-${ZY_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zhongyue}/wine}
export ZY_WINEPREFIX="$prefix"
registry() {
    cat "$prefix"/*.reg | grep -v '^#time=\|^\[.*\] [0-9]*$\|^"DriverDateData"=\|="Z:.*usr.*share.*fonts'
}
