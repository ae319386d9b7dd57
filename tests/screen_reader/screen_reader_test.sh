#!/usr/bin/env bash
# Runs the program on a private X server and D-Bus session with the accessibility bus, and reads
# it as a screen reader does (read_main_window.py).
# Usage: screen_reader_test.sh PROGRAM
set -euo pipefail
program="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
if [[ -z "${ABAQUINO_IN_SESSION:-}" ]]; then
  exec env ABAQUINO_IN_SESSION=1 dbus-run-session -- "$0" "$@" 2> >(grep -v 'fd limit\|^dbus-daemon' >&2)
fi
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
read -r display <&3
export DISPLAY=":$display" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_QPA_PLATFORM
/usr/libexec/at-spi-bus-launcher --launch-immediately &
"$program" 2>/dev/null &
app=$!
trap 'kill $app 2>/dev/null; pkill -f "Xvfb -displayfd" -P $$ 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdotool search --name '^Abaquino$' >/dev/null 2>&1 && break; sleep 0.1; done
/usr/bin/python3 "$here/read_main_window.py"
