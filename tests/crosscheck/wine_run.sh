#!/usr/bin/env bash
# Runs one Windows test program under Wine, in a prefix of its own kept in the build folder,
# with code page 1252 as the ANSI code page (an English/French Windows).
set -uo pipefail
wine=$1
shift
export WINEPREFIX=${WINEPREFIX:-$HOME/.cache/baritemp-wine}
export WINEDEBUG=-all LANG=en_US.UTF-8 LC_ALL=C.UTF-8
mkdir -p "$WINEPREFIX"
program=$(realpath "$1")
shift
cd "$(dirname "$program")" || exit 1
"$wine" "$program" "$@"
