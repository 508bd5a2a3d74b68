#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's 32-bit prefix (created on first use,
# with the fonts the dialogs need), with a silent, prompt-free Wine, an X display and a
# null sound device. Usage: wine-run.sh PROGRAM.exe [ARGS...]; the exit status is the
# program's.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build_dir=${ZX_BUILD_DIR:-$here/../build}

export WINEPREFIX=${WINEPREFIX:-$build_dir/wineprefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
# No sound card here: ALSA's null device gives Wine a wave-out device that accepts and
# finishes playback.
export ALSA_CONFIG_PATH=${ALSA_CONFIG_PATH:-$here/alsa-null.conf}

if [ -z "${DISPLAY:-}" ]; then
  ZX_OWN_DISPLAY=1 exec "$here/with-display.sh" "$0" "$@"
fi

"$here/wine-prefix.sh"
if [ -z "${ZX_OWN_DISPLAY:-}" ]; then
  exec wine "$@"
fi
# The display goes away with this program: let Wine's desktop and server end first.
unset ZX_OWN_DISPLAY
status=0
wine "$@" || status=$?
wineserver -w
exit $status
