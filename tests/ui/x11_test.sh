#!/usr/bin/env bash
# The window tests that need real X input (xdotool), on a private X server: first bare, then
# under openbox, as most users meet it.
#   tests/ui/x11_test.sh WINDOW_TESTS GTEST_FILTER
set -euo pipefail
[[ -n "${ABAQUINO_PRIVATE_DISPLAY:-}" ]] || exec "$(dirname "$0")/../../scripts/private-display" "$0" "$@"
export QT_QPA_PLATFORM=xcb
# On X11 Qt's D-Bus client leaks a little of its own; the sanitizer build looks for our leaks in
# the offscreen runs instead.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
"$1" --gtest_brief=1 --gtest_filter="$2"
openbox >/dev/null 2>&1 &
trap 'kill $! 2>/dev/null' EXIT
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
"$1" --gtest_brief=1 --gtest_filter="$2"
