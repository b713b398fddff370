#!/usr/bin/env bash
# A Windows program of ours needs nothing but what every Windows has: it may
# import system DLLs only (libstdc++, libgcc and winpthread are linked in).
#
# Usage: system-libraries.sh <objdump> <program.exe>
set -euo pipefail

system='^(KERNEL32|USER32|GDI32|COMCTL32|WINMM|d3d9|msvcrt)\.dll$'
imports=$("$1" -p "$2" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$imports" ] || { echo "system-libraries: no imports found in $2" >&2; exit 1; }
others=$(grep -viE "$system" <<<"$imports" || true)
[ -z "$others" ] || { echo "system-libraries: $2 imports $others" >&2; exit 1; }
echo "system-libraries: $(basename "$2") imports" $imports
