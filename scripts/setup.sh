#!/usr/bin/env bash
# Installs every Debian package the project needs to build and test the plug-in.
# Idempotent: packages already present are left alone. Must run as root.
set -euo pipefail

packages=(
  g++-mingw-w64-i686 binutils-mingw-w64-i686 mingw-w64-i686-dev libz-mingw-w64-dev
  wine wine32 wine64 xvfb xauth fonts-wine fonts-liberation
  cmake ninja-build googletest
  imagemagick sox unzip zip
  qemu-user-static
)

if [ "$(id -u)" -ne 0 ]; then
  echo "The project's packages must be installed as root. Run:" >&2
  echo "  sudo bash $0" >&2
  exit 1
fi

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
todo=$(missing)
if [ -z "$todo" ]; then
  echo "setup: every package is installed"
  exec "$here/enable-i386.sh"
fi

echo "setup: installing" $todo
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
# wine32 comes from the i386 architecture.
apt-get install -y -q --no-install-recommends \
  $(printf '%s\n' $todo | sed 's/^wine32$/wine32:i386/')
"$here/enable-i386.sh"
echo "setup: done"
