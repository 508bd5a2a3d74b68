#!/usr/bin/env bash
# Installs every Debian package the project needs to build and test the plug-in.
# Idempotent: packages already present are left alone. Must run as root.
set -euo pipefail

packages=(
  g++-mingw-w64-i686 binutils-mingw-w64-i686 mingw-w64-i686-dev libz-mingw-w64-dev
  wine wine32 wine64 xvfb xauth fonts-wine fonts-liberation
  cmake ninja-build googletest
  imagemagick sox unzip zip jq python3
)
# This machine's kernel may not execute 32-bit x86 code; Wine's 32-bit loader then runs under
# qemu's user-mode emulator, which needs version 8 or later (bookworm-backports has it).
backports=/etc/apt/sources.list.d/bookworm-backports.sources

if [ "$(id -u)" -ne 0 ]; then
  echo "The project's packages must be installed as root. Run:" >&2
  echo "  sudo bash $0" >&2
  exit 1
fi

qemu_ready() {
  local version
  version=$(/usr/bin/qemu-i386-static --version 2>/dev/null | sed -n 's/^qemu-i386 version \([0-9]*\).*/\1/p')
  [ -n "$version" ] && [ "$version" -ge 8 ]
}

missing() {
  local p
  for p in "${packages[@]}"; do
    local name=$p
    [ "$p" = wine32 ] && name=wine32:i386
    dpkg-query -W -f='${Status}\n' "$name" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
  done
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export DEBIAN_FRONTEND=noninteractive
todo=$(missing)
if [ -n "$todo" ]; then
  echo "setup: installing" $todo
  apt-get update -q
  # wine32 comes from the i386 architecture.
  apt-get install -y -q --no-install-recommends \
    $(printf '%s\n' $todo | sed 's/^wine32$/wine32:i386/')
fi

entry=/proc/sys/fs/binfmt_misc/qemu-i386
if { [ -e "$entry" ] || ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; } && ! qemu_ready; then
  echo "setup: installing qemu-user-static from bookworm-backports"
  [ -e "$backports" ] || cat >"$backports" <<'SRC'
Types: deb
URIs: http://deb.debian.org/debian
Suites: bookworm-backports
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  apt-get update -q
  apt-get install -y -q --no-install-recommends -t bookworm-backports qemu-user-static
  # The emulator is registered with its binary opened at registration: register it anew.
  [ -e "$entry" ] && echo -1 >"$entry"
fi
exec "$here/enable-i386.sh"
