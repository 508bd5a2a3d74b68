#!/usr/bin/env bash
# Runs the colour-reduction benchmark and, on the same frames in the same run, ImageMagick's
# reduction to one shared palette with Floyd-Steinberg dithering. Where the plug-in's 32-bit
# code runs under qemu's user-mode emulator, ImageMagick is also timed under the same
# emulator, so that both sides are measured on equal terms.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${1:-$here/../build}
frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT

"$here/../scripts/wine-run.sh" "$build/bin/colour_bench.exe" "$frames"

time_imagemagick() {
  local label=$1
  shift
  local start end
  start=$(date +%s.%N)
  "$@" /usr/bin/convert "$frames"/frame*.ppm -dither FloydSteinberg +map "$frames/reduced.gif"
  end=$(date +%s.%N)
  awk -v s="$start" -v e="$end" -v l="$label" 'BEGIN { printf "ImageMagick %s (quantise + dither, same frames): %.2f s\n", l, e - s }'
}

time_imagemagick "native"
if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && [ -x /usr/bin/qemu-x86_64-static ]; then
  time_imagemagick "under qemu like the plug-in" /usr/bin/qemu-x86_64-static
fi
