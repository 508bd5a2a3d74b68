#!/usr/bin/env bash
# Creates the Wine prefix named by WINEPREFIX once: a 32-bit prefix with the dialog fonts
# copied in and the common Windows font names mapped to the Liberation fonts. Later calls
# return at once. Safe when several programs start at the same time.
set -euo pipefail
: "${WINEPREFIX:?}"
stamp=$WINEPREFIX/.zentrix-ready
[ -e "$stamp" ] && exit 0

mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ -e "$stamp" ] && exit 0

echo "wine-prefix: creating $WINEPREFIX" >&2
wineboot --init >/dev/null 2>&1 || true
wineserver -w

fonts=$WINEPREFIX/drive_c/windows/Fonts
mkdir -p "$fonts"
for f in ms_sans_serif.ttf sserife.fon tahoma.ttf; do
  src=$(find /usr/share/wine /usr/share/fonts -name "$f" -print -quit 2>/dev/null)
  [ -n "$src" ] && cp "$src" "$fonts/"
done

reg=$(mktemp --suffix=.reg)
cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"
REG
wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
wineserver -w
rm -f "$reg"
touch "$stamp"
