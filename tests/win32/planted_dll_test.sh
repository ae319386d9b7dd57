#!/usr/bin/env bash
# DLLs named oleacc and uiautomationcore lie beside the program, as in a Downloads folder, and
# wine looks for them as Windows does (native first, the program's folder first). The program
# starts, computes, fails, is asked for its screen readers' objects and closes: neither may run.
# Runs inside scripts/wine-session.
#   planted_dll_test.sh abaquino.exe planted_dll.dll ask_for_objects.exe
set -euo pipefail
wine=/usr/lib/wine/wine64
fail() { echo "FAILED: $*" >&2; exit 1; }
folder="$WINEPREFIX/drive_c/users/Public/Downloads/abaquino"
mkdir -p "$folder"
cp "$1" "$folder/abaquino.exe"
for name in oleacc uiautomationcore; do cp "$2" "$folder/$name.dll"; done
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;oleacc,uiautomationcore=n,b"

"$wine" "$folder/abaquino.exe" &
program=$!
window=""
for _ in $(seq 300); do
  window="$(xdotool search --name '^Abaquino$' 2>/dev/null | head -1)" && [[ -n "$window" ]] && break
  sleep 0.1
done
[[ -n "$window" ]] || fail "the program showed no window"
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool type --delay 50 '12+3=1/0='
"$wine" "$3" || fail "could not ask the program for its objects"
"$wine" taskkill /im abaquino.exe >/dev/null 2>&1
wait "$program" || fail "the program did not end cleanly"
ran="$(cd "$folder" && ls ./*.ran 2>/dev/null || true)"
[[ -z "$ran" ]] || fail "a planted DLL ran inside the program: $ran"
echo "no planted DLL was loaded"
