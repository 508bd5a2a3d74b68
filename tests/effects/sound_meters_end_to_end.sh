#!/usr/bin/env bash
# Builds "Digital VU Meter (vertical)" with Match Time through the real dialog in zxhost.exe
# from a WAV that sox writes, and decodes the GIF with ImageMagick: as many frames as asked
# for, each lasting the sound's playing time over the frame count.
# Usage: sound_meters_end_to_end.sh BUILD_DIR
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../support/end_to_end.sh"

echo "-- two seconds of a swelling tone, 16 frames with Match Time: 16 frames of 12 hundredths"
sox -n -r 8000 -c 2 -b 16 "$work/tone.wav" synth 2 sine 440 fade 1.5 2 0.2
"$here/../../scripts/wine-run.sh" "$bin/zxhost.exe" --fresh \
  --effect "Digital VU Meter (vertical)" --set "MainVUDigVertSound=Z:$work/tone.wav" \
  --set MainVUDigVertFrames=16 --set MainVUDigVertMatchTime=1 --press build \
  --out "$work/meter.gif" >/dev/null 2>"$work/meter.err"
expect "meter exit" 0 "$?"
expect "meter frames" "16 12|" \
  "$(identify -format '%T\n' "$work/meter.gif" | sort | uniq -c | sed 's/^ *//' | tr '\n' '|')"
expect "meter sizes" 1 "$(identify -format '%w %h\n' "$work/meter.gif" | sort -u | wc -l)"

[ "$failures" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $((failures > 0))
