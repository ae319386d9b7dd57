#!/bin/sh
# The window tests that need no desktop's activation or placing, run again on Wayland: a private
# weston, headless, ended by its id.
#   tests/ui/wayland_test.sh WINDOW_TESTS
set -eu
tests="$1"
runtime="$(mktemp -d)"
chmod 700 "$runtime"
weston_pid=""
finish() {
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -rf "$runtime"
}
trap finish EXIT
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket=abaquino --width=1024 --height=768 \
  --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
waited=0
until [ -S "$runtime/abaquino" ]; do  # up to 30 s: weston is ready once its socket is there
  waited=$((waited + 1))
  if [ "$waited" -gt 300 ] || ! kill -0 "$weston_pid" 2>/dev/null; then
    echo "weston did not start:"; cat "$runtime/weston.log"; exit 1
  fi
  sleep 0.1
done
# Qt's Wayland client leaks a little when the compositor has no seat (its clipboard's data, a few
# protocol objects); the sanitizer build looks for our leaks in the offscreen runs instead.
# The filter names whole tests: a renamed one must not silently leave the run.
expected=10
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=abaquino QT_QPA_PLATFORM=wayland "$tests" --gtest_brief=1 \
  --gtest_filter='AboutWindow.AMaximise*:AboutWindow.IsModal*:Form1Clicks.*:Form1Keys.NoInputMethod*:Form1Keys.AHeld*:Form1Keys.NoEdit*:Form1Failure.*:Form1Menu.Has*:Form1Scenario.TypedKeys*:Form1Scenario.KeysWithRules*' \
  >"$runtime/run.log" 2>&1 || { cat "$runtime/run.log"; exit 1; }
cat "$runtime/run.log"
grep -q "PASSED  \] $expected tests" "$runtime/run.log" || { echo "expected $expected tests to run"; exit 1; }
