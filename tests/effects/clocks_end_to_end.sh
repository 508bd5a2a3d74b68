#!/usr/bin/env bash
# Builds the countdown and the stopwatch through the real dialog in zxhost.exe and decodes the
# GIFs with ImageMagick: frame count, size and delays. Usage: clocks_end_to_end.sh BUILD_DIR
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../support/end_to_end.sh"

build_gif() { # NAME ARGS...: builds into $work/NAME.gif
  local name=$1
  shift
  "$here/../../scripts/wine-run.sh" "$bin/zxhost.exe" --fresh "$@" --press build \
    --out "$work/$name.gif" >/dev/null 2>"$work/$name.err"
  status=$?
}
# Distinct "delay width height" lines of a GIF, with their counts.
frames() { identify -format '%T %w %h\n' "$work/$1.gif" | sort | uniq -c | sed 's/^ *//' | tr '\n' '|'; }

echo "-- countdown of 0:00:03 without tenths: 4 frames of one second, ending at zero"
build_gif countdown --effect Countdown --set MainCountdownHours=0 --set MainCountdownMinutes=0 \
  --set MainCountdownSeconds=3 --set MainCountdownUseHund=0
expect "countdown exit" 0 "$status"
expect "countdown frames" "4 100 224 76|" "$(frames countdown)"

echo "-- countdown of 0:00:01 with tenths: 11 frames of a tenth"
build_gif tenths --effect Countdown --set MainCountdownHours=0 --set MainCountdownMinutes=0 \
  --set MainCountdownSeconds=1 --set MainCountdownUseHund=1
expect "tenths exit" 0 "$status"
expect "tenths frames" "11 10 244 76|" "$(frames tenths)"

[ "$failures" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $((failures > 0))
