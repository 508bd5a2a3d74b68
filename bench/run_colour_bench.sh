#!/usr/bin/env bash
# Runs the colour-reduction benchmark and, on the same frames in the same run, ImageMagick's
# reduction to one shared palette with Floyd-Steinberg dithering.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${1:-$here/../build}
frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT

"$here/../scripts/wine-run.sh" "$build/bin/colour_bench.exe" "$frames"
start=$(date +%s.%N)
/usr/bin/convert "$frames"/frame*.ppm -dither FloydSteinberg +map "$frames/reduced.gif"
end=$(date +%s.%N)
awk -v s="$start" -v e="$end" 'BEGIN { printf "ImageMagick (quantise + dither, same frames): %.2f s\n", e - s }'
