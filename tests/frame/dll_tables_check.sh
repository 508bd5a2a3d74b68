#!/usr/bin/env bash
# The plug-in DLL is a 32-bit Windows DLL that exports exactly its three entry points by
# their plain names and imports from system DLLs only.
set -euo pipefail
objdump=$1
dll=$2
dump=$("$objdump" -p "$dll")

fail() { echo "FAIL: $*" >&2; exit 1; }

grep -q 'file format pei-i386' <<<"$dump" || fail "not a 32-bit PE image"
grep -q 'Characteristics.*' <<<"$dump" && grep -q 'DLL' <<<"$dump" || fail "not a DLL"

exports=$(sed -n '/Ordinal\/Name Pointer/,/^$/p' <<<"$dump" | grep -P '^\t\[' | sed 's/.*\] //' | sort)
expected=$(printf '%s\n' DllEntryPoint PLUGINDoBuild PLUGINGetPluginParams)
[ "$exports" = "$expected" ] || fail "exports are: $(echo $exports)"

allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|winmm|advapi32|msvcrt|ole32|oleaut32|windowscodecs)\.dll$'
imports=$(grep -o 'DLL Name: .*' <<<"$dump" | cut -d' ' -f3 | tr 'A-Z' 'a-z' | sort -u)
[ -n "$imports" ] || fail "no import table"
for name in $imports; do
  [[ $name =~ $allowed ]] || fail "imports $name"
done
echo "exports: $(echo $exports); imports: $(echo $imports)"
echo "1 passed, 0 failed"
