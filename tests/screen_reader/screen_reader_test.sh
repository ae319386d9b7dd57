#!/usr/bin/env bash
# Runs the program on a private X server and D-Bus session with the accessibility bus, and reads
# it as a screen reader does (read_main_window.py). Every process it starts is ended, and none
# keeps the caller's output open.
# Usage: screen_reader_test.sh PROGRAM
set -euo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
if [[ -z "${ABAQUINO_IN_SESSION:-}" ]]; then
  exec env ABAQUINO_IN_SESSION=1 dbus-run-session -- "$0" "$@" 2> >(grep -v 'fd limit\|^dbus-daemon' >&2)
fi
scratch="$(mktemp -d)"
pids=()
cleanup() {
  ((${#pids[@]})) && kill "${pids[@]}" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

# A display of our own, answering before anything connects to it.
display=""
for _ in $(seq 20); do
  candidate=":$((100 + RANDOM % 800))"
  [[ -e "/tmp/.X${candidate#:}-lock" ]] && continue
  Xvfb "$candidate" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do
    if xdpyinfo -display "$candidate" >/dev/null 2>&1; then display="$candidate"; break 2; fi
    kill -0 "${pids[-1]}" 2>/dev/null || break
    sleep 0.1
  done
done
[[ -n "$display" ]] || { echo "no X display could be started"; exit 1; }
export DISPLAY="$display" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_QPA_PLATFORM
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
"$program" >"$scratch/program.log" 2>&1 &
app=$!
pids+=($app)
for _ in $(seq 400); do
  xdotool search --name '^Abaquino$' >/dev/null 2>&1 && break
  if ! kill -0 "$app" 2>/dev/null; then
    status=0
    wait "$app" || status=$?
    echo "the program ended at start with status $status:"
    cat "$scratch/program.log"
    exit 1
  fi
  sleep 0.1
done
timeout 90 /usr/bin/python3 "$here/read_main_window.py" || { echo "the program said:"; cat "$scratch/program.log"; exit 1; }
