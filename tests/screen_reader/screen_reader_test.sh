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

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [[ -s "$scratch/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$scratch/display")" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_QPA_PLATFORM
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
"$program" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdotool search --name '^Abaquino$' >/dev/null 2>&1 && break; sleep 0.1; done
timeout 45 /usr/bin/python3 "$here/read_main_window.py"
