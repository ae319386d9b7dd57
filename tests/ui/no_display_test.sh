#!/bin/sh
# Without a window system the program says so in one line, naming the platform or display it
# tried, and exits 1.
program="$1"
check() {
  output="$("$@" 2>&1)"
  status=$?
  if [ "$status" -ne 1 ] || [ "$(printf '%s\n' "$output" | wc -l)" -ne 1 ]; then
    echo "exit status $status, output:"; echo "$output"; exit 1
  fi
  echo "$output"
}
check env -u QT_QPA_PLATFORM DISPLAY=:4242 "$program" | grep -q '":4242"' || exit 1
check env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$program" | grep -q 'DISPLAY' || exit 1
# Another platform that fails is named, not the X display.
check env -u QT_QPA_PLATFORM DISPLAY=:4242 "$program" -platform nosuch | grep -q '^abaquino: [^:]*"nosuch"' || exit 1
check env QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=nowhere-0 DISPLAY=:4242 "$program" |
  grep -qE '"(nowhere-0|wayland)"' || exit 1
