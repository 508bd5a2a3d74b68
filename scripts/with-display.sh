#!/usr/bin/env bash
# Runs a command with an X display: the one in DISPLAY, or else a private Xvfb with a
# 24-bit screen that is started for the command and stopped when it ends. Everything the
# command starts (a whole test run, say) shares that one display.
set -uo pipefail

if [ -n "${DISPLAY:-}" ]; then
  exec "$@"
fi

xvfb_pid=
for n in $(seq 90 189); do
  [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [ -S "/tmp/.X11-unix/X$n" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -S "/tmp/.X11-unix/X$n" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
    export DISPLAY=":$n"
    break
  fi
  kill "$xvfb_pid" 2>/dev/null
  xvfb_pid=
done

if [ -z "$xvfb_pid" ]; then
  echo "with-display: could not start Xvfb" >&2
  exit 125
fi

stop_xvfb() { kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; }
trap stop_xvfb EXIT
trap 'exit 130' INT TERM

"$@"
