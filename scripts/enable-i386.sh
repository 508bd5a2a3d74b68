#!/usr/bin/env bash
# Makes sure this machine can execute 32-bit x86 Linux programs (Wine's 32-bit loader).
# Where the kernel cannot run them itself, they are handed to qemu's i386 user-mode
# emulator through binfmt_misc. Kernel state: needed again after every boot. Run as root.
set -euo pipefail

runs_i386() { /lib/ld-linux.so.2 --version >/dev/null 2>&1; }

runs_i386 && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "enable-i386: 32-bit programs cannot run here; as root run: bash $0" >&2
  exit 1
fi
qemu=/usr/bin/qemu-i386-static
[ -x "$qemu" ] || { echo "enable-i386: $qemu is missing (scripts/setup.sh installs it)" >&2; exit 1; }

misc=/proc/sys/fs/binfmt_misc
[ -e "$misc/register" ] || mount -t binfmt_misc binfmt_misc "$misc"
if [ ! -e "$misc/qemu-i386" ]; then
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$qemu"':F' >"$misc/register"
fi
runs_i386 || { echo "enable-i386: 32-bit programs still cannot run" >&2; exit 1; }
echo "enable-i386: 32-bit programs run through $qemu" >&2
