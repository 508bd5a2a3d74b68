#!/usr/bin/env bash
# Writes WAV files with sox (8 and 16 bits, mono and stereo, odd rates), notes the playing
# time and the whole-file peak sox reports for each, and has the sound tests read the same
# files and compare. Usage: sox_cross_check.sh BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export ZX_BUILD_DIR=$build
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# name rate channels bits encoding synth-arguments
cases=(
  "mono8 11025 1 8 unsigned-integer 0.7 sine 440 gain -4"
  "stereo8 7350 2 8 unsigned-integer 1.3 sine 300 square 90 gain -9"
  "mono16 22050 1 16 signed-integer 0.45 sine 1000 gain -1"
  "stereo16 44100 2 16 signed-integer 2.01 sawtooth 150 sine 2500 gain -7"
  "stereo16odd 9973 2 16 signed-integer 0.333 noise gain -2"
)
manifest=$work/manifest.txt
: >"$manifest"
for c in "${cases[@]}"; do
  read -r name rate channels bits encoding synth <<<"$c"
  file=$work/$name.wav
  sox -D -n -r "$rate" -c "$channels" -b "$bits" -e "$encoding" "$file" synth $synth
  samples=$(soxi -s "$file")
  stats=$(sox "$file" -n stat 2>&1)
  max=$(awk -F: '/^Maximum amplitude/ {print $2}' <<<"$stats")
  min=$(awk -F: '/^Minimum amplitude/ {print $2}' <<<"$stats")
  # sox scales a sample to -1..1 by 2^(bits-1); the plug-in's level is |s - 127| x 2 for
  # unsigned bytes (u = a x 128 + 128) and |s| / 256 for 16 bits.
  peak=$(python3 -c "
a, b, bits = $max, $min, $bits
if bits == 8:
    print(max(abs(round(v * 128 + 128) - 127) * 2 for v in (a, b)))
else:
    print(max(abs(round(v * 32768)) for v in (a, b)) // 256)")
  printf 'Z:%s %d %d\n' "${file//\//\\}" $((samples * 1000 / rate)) "$peak" >>"$manifest"
done
cat "$manifest"
ZX_SOX_MANIFEST="Z:$manifest" "$here/../../scripts/wine-run.sh" "$build/bin/sound_tests.exe" \
  --gtest_filter='SoxCrossCheck.*'
