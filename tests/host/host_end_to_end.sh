#!/usr/bin/env bash
# Runs zxhost.exe under Wine with the scripted test plug-in (and the real plug-in where its
# dialog matters), then checks the exit codes, the call log, what the plug-in saw, and the
# GIF and animated PNG files with decoders nobody here wrote (ImageMagick; Python's zlib for
# the APNG chunks). Usage: host_end_to_end.sh BUILD_DIR
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../support/end_to_end.sh"

# host [ARGS...]: runs the host with the script plug-in; sets $status.
host() {
  "$here/../../scripts/wine-run.sh" "$bin/zxhost.exe" "$@" >"$work/stdout" 2>"$work/stderr"
  status=$?
}

# script STEPS: the test plug-in's calls for the next run, its results in a fresh file.
script() {
  export ZXTEST_SCRIPT=$1 ZXTEST_RESULTS="Z:$work/results.txt"
  rm -f "$work/results.txt"
}

results() { tr -d '\r' <"$work/results.txt" | tr '\n' '|'; }
# The log's lines, each reduced by a jq filter, joined by "|".
logged() { jq -c -r "$2" "$1" | tr '\n' '|'; }

cd "$work" || exit 1

echo "-- the host imports system DLLs only"
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|winmm|msvcrt|ole32|oleaut32|windowscodecs)\.dll$'
expect "host imports" "" "$("$2" -p "$bin/zxhost.exe" | grep -o 'DLL Name: .*' | cut -d' ' -f3 |
  tr 'A-Z' 'a-z' | sort -u | grep -vE "$allowed")"

convert -size 5x3 xc:red -fill blue -draw 'point 4,2' pic.png
convert pic.png pic.gif
convert pic.png BMP3:pic.bmp
convert -size 16x8 xc:red -quality 95 pic.jpg

echo "-- the real plug-in names itself"
host --info
expect "info exit" 0 "$status"
expect "info name" "Zentrix #1" "$(tr -d '\r' <stdout)"

echo "-- a palette document as GIF, with every service the plug-in may call"
script "progress 0 0; status Rendering; progress 1 3; colour 255; file C:\\old.wav;
  load Z:$work/pic.png; load Z:$work/pic.gif; load Z:$work/pic.bmp; load Z:$work/pic.jpg;
  load Z:$work/missing.png; help MainDialog; call 99; message Frames ready; ask Go on?; ini MainDelay;
  ini MainEffect; ini MainKept;
  new 6 4 2 3 3; add 10 1 3; add 20 1 3 local; add 30 0 -1; comment Made by the script; end 1"
host --plugin "$bin/zxscript.dll" --fresh --set MainKept=1 --set MainDelay=7 --effect 4 \
  --out "$work/a.gif" --log "$work/a.jsonl" --choose-colour 65280 --choose-file /tmp/new.wav
expect "gif exit" 0 "$status"
expect "gif plug-in saw" "flags 3|pages|build|progress 1|status 1|progress 1|colour 1 65280|\
file 1 Z:\\tmp\\new.wav|load 1 5 3 24 0000ff ff0000|load 1 5 3 24 0000ff ff0000|\
load 1 5 3 24 0000ff ff0000|load 1 16 8 24 0000fe 0000fe|load 0|help 1|call 0|message 1|ask 7|\
ini 1 MainDelay 7|ini 1 MainEffect 4|ini 1 MainKept 1|new 1|add 1|add 1|add 1|comment 1|end 1|" \
  "$(results)"
expect "gif log" "press build|HOST_PROGRESS 1|HOST_SET_STATUS 1|HOST_PROGRESS 1|\
HOST_CHOOSE_COLOUR 1|HOST_CHOOSE_FILE 1|HOST_LOAD_IMAGE 1|HOST_LOAD_IMAGE 1|HOST_LOAD_IMAGE 1|\
HOST_LOAD_IMAGE 1|HOST_LOAD_IMAGE 0|HOST_SHOW_HELP 1|unknown 0|message Frames ready|message Go on?|\
HOST_NEW_TASK 1|HOST_ADD_IMAGE 1|HOST_ADD_IMAGE 1|HOST_ADD_IMAGE 1|HOST_ADD_COMMENT 1|\
HOST_END_TASK 1|" "$(logged a.jsonl '"\(.op) \(.button // .result // .text)"')"
expect "gif task" '{"op":"HOST_NEW_TASK","size":1069,"version":513,"width":6,"height":4,"bits":2,"frames":3,"transparent":3,"result":1}' \
  "$(grep HOST_NEW_TASK a.jsonl)"
# Frame f has index (x + f) % 4: black, red, green, blue; index 3 is transparent in frames
# 0 and 1; frame 1 has its own table with yellow for red.
expect "gif frames: delay size dispose alpha(3,0) green(0,0)" \
  "10 6 4 None 0 0|20 6 4 None 1 255|30 6 4 None 1 255|" \
  "$(identify -format '%T %w %h %D %[fx:p{3,0}.a] %[fx:int(255*p{0,0}.g)]|' a.gif)"
# ImageMagick reads a missing loop extension as an endless loop too, so the bytes tell.
expect "gif endless loop" "1" "$(LC_ALL=C grep -caP 'NETSCAPE2\.0\x03\x01\x00\x00' a.gif)"

echo "-- a true-colour document from a millisecond host as APNG, through the Test button"
script "ini MainKept; ini MainDelay; new 5 3 24 2 0; add 250 0 -1; add 500 0 -1; end 1"
host --plugin "$bin/zxscript.dll" --flags 2 --press test --out "$work/b.png" --log "$work/b.jsonl" \
  --set MainDelay=9
expect "apng exit" 0 "$status"
expect "apng presses" "press test|HOST_NEW_TEST_TASK|HOST_ADD_IMAGE|HOST_ADD_IMAGE|HOST_END_TASK|press cancel|" \
  "$(logged b.jsonl '"\(.op)\(.button // "" | if . == "" then "" else " " + . end)"')"
expect "apng plug-in saw" \
  "flags 2|pages|test|ini 1 MainKept 1|ini 1 MainDelay 9|new 1|add 1|add 1|end 1|cancel|" "$(results)"
expect "apng chunks" "frames 2 plays 0|5 3 0 0 250/1000 0 0|5 3 0 0 500/1000 0 1|" \
  "$(python3 "$here/apng_frames.py" b.png b-frame | tr '\n' '|')"
expect "apng frames: size red(0,0) blue(3,0)" "5x3 0 255|5x3 255 0|" \
  "$(for f in b-frame-0.png b-frame-1.png; do
       convert "$f" -format '%wx%h %[fx:int(255*p{0,0}.r)] %[fx:int(255*p{3,0}.b)]|' info:; done)"
expect "apng default image" "5x3" "$(identify -format '%wx%h' b.png)"

echo "-- large scattered frames from a millisecond host: 12-bit codes, cleared tables"
script "new 200 150 8 2 0; add 50 0 -1 noise; add 75 0 -1 noise; end 1"
host --plugin "$bin/zxscript.dll" --flags 0 --out "$work/n.gif"
expect "noise exit" 0 "$status"
expect "noise delays in hundredths" "5 7 " "$(identify -format '%T ' n.gif)"
for frame in 0 1; do
  convert "n.gif[$frame]" -depth 8 rgb:"n-$frame.rgb"
done
expect "noise pixels" "ok" "$(python3 - <<'PY'
grey = lambda i: [(0, 0, 0), (255, 0, 0), (0, 255, 0), (0, 0, 255)][i] if i < 4 else (i, i, i)
for frame in (0, 1):
    want = bytearray()
    for n in range(frame * 30000, (frame + 1) * 30000):
        want += bytes(grey(((n * 2654435761) & 0xFFFFFFFF) >> 24))
    if open("n-%d.rgb" % frame, "rb").read() != bytes(want):
        print("frame %d differs" % frame)
        break
else:
    print("ok")
PY
)"

echo "-- a palette document as APNG: transparency and the frames' own colours"
script "new 6 4 2 2 3; add 10 1 3; add 20 1 3 local; end 1"
host --plugin "$bin/zxscript.dll" --out "$work/c.png"
expect "palette apng exit" 0 "$status"
python3 "$here/apng_frames.py" c.png c-frame >/dev/null
expect "palette apng: alpha(3,0) green(0,0) of each frame" "0 0|1 255|" \
  "$(for f in c-frame-0.png c-frame-1.png; do
       convert "$f" -format '%[fx:p{3,0}.a] %[fx:int(255*p{0,0}.g)]|' info:; done)"

echo "-- refused and out-of-order calls: the build fails and nothing is written"
script "add 10 0 -1; end 1; new 4 2 1 3 0; new 4 2 1 3 0; add 10 0 -1; add 10 0 -1; end 0"
host --plugin "$bin/zxscript.dll" --fail add-image@2 --out "$work/d.gif" --log "$work/d.jsonl"
expect "refused exit" 1 "$status"
expect "refused nothing written" "no file" "$([ -e d.gif ] || [ -e d.gif.part ] && echo file || echo no file)"
expect "refused log" "HOST_ADD_IMAGE no open document|HOST_END_TASK no open document|HOST_NEW_TASK |\
HOST_NEW_TASK a document is already open|HOST_ADD_IMAGE |HOST_ADD_IMAGE refused by --fail|HOST_END_TASK |" \
  "$(logged d.jsonl 'select(.op | startswith("HOST")) | "\(.op) \(.error // "")"')"
expect "refused message" "zxhost: the plug-in abandoned its document" "$(grep zxhost: stderr | tr -d '\r')"

echo "-- no service callback: the plug-in's message box is logged and answered"
script "new 4 2 1 1 0"
host --plugin "$bin/zxscript.dll" --no-callback --press build --log "$work/e.jsonl"
expect "no callback exit" 1 "$status"
expect "no callback log" 'message Internal error|press build|' \
  "$(logged e.jsonl '"\(.op) \(.text // .button)"')"
expect "no callback plug-in saw" "flags 3|pages|build|" "$(results)"

echo "-- the real dialog: pressed once its pages are built; screenshot, then Cancel"
host --press cancel --screenshot "$work/dialog.png" --log "$work/f.jsonl"
expect "cancel exit" 0 "$status"
expect "cancel log" '{"op":"press","button":"cancel","pages":1}' "$(cat f.jsonl)"
expect "screenshot" "PNG" "$(identify -format '%m' dialog.png 2>&1)"

echo "-- a plug-in that cannot be loaded, and a bad option"
host --plugin "$work/missing.dll" --info
expect "missing plug-in exit" 3 "$status"
host --press later
expect "bad option exit" 2 "$status"
expect "bad option message" "zxhost: --press needs build, test or cancel" "$(grep zxhost: stderr | tr -d '\r')"

[ "$failures" -eq 0 ] && echo "all host runs as expected"
exit $((failures > 0))
