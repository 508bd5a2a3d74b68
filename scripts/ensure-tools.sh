#!/usr/bin/env bash
# Runs the set-up when any tool the build or the tests need is missing, so that a fresh
# clone builds and tests on a new machine. Quiet when everything is there.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

ready() {
  local tool
  for tool in i686-w64-mingw32-g++-posix i686-w64-mingw32-windres cmake ninja wine Xvfb \
              xauth sox soxi unzip zip jq python3; do
    command -v "$tool" >/dev/null || return 1
  done
  [ -f /usr/src/googletest/CMakeLists.txt ] && [ -f /usr/i686-w64-mingw32/lib/libz.a ] &&
    [ -f /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf ] &&
    { [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ] ||
      /usr/bin/qemu-i386-static --version | grep -q 'version \([89]\|[1-9][0-9]\)\.'; } &&
    dpkg-query -W wine32:i386 >/dev/null 2>&1 && [ -x /usr/bin/convert ]
}

run_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if ! ready; then
  run_as_root bash "$here/setup.sh" || exit 1
fi
/lib/ld-linux.so.2 --version >/dev/null 2>&1 || run_as_root bash "$here/setup.sh"
