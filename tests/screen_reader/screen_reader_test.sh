#!/usr/bin/env bash
# Runs the program on a private X server and D-Bus session with the accessibility bus, and reads
# it as a screen reader does (read_main_window.py). Every process it starts is ended, and none
# keeps the caller's output open.
# Usage: screen_reader_test.sh PROGRAM
set -euo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/in_session.sh"
scratch="$(mktemp -d)"
pids=()
cleanup() {
  ((${#pids[@]})) && kill "${pids[@]}" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_QPA_PLATFORM
# The accessibility bus, started through D-Bus as a desktop starts it, and asked for its address
# before the program looks for it: the call returns once the bus answers. Started by hand instead,
# it could lose to a second copy that the program's own lookup activates.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
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
