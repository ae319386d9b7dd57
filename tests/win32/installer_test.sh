#!/usr/bin/env bash
# The Windows installer, silently under wine: it puts the program and its Start-menu shortcut in
# place, the installed program starts and shows its window, installing again over it closes it
# cleanly first, and the uninstaller leaves nothing.
# Runs inside scripts/wine-session (its own display and WINEPREFIX).
#   installer_test.sh INSTALLER.exe
set -euo pipefail
installer="$1"
wine=/usr/lib/wine/wine64
fail() { echo "FAILED: $*" >&2; exit 1; }

"$wine" "$installer" /S
/usr/lib/wine/wineserver -w
folder="$WINEPREFIX/drive_c/Program Files/Abaquino"
for file in abaquino.exe LICENSE.txt Uninstall.exe; do
  [[ -f "$folder/$file" ]] || fail "not installed: $file"
done
shortcut="$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Abaquino/Abaquino.lnk' | head -1)"
[[ -n "$shortcut" ]] || fail "no Start-menu shortcut Abaquino"
"$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Abaquino' >/dev/null 2>&1 ||
  fail "not in the list of installed programs"
echo "installed: $(cd "$folder" && echo *), shortcut ${shortcut#"$WINEPREFIX/"}"

"$wine" "$folder/abaquino.exe" &
program=$!
window=""
for _ in $(seq 300); do  # up to 30 s on a busy machine; it ends as soon as the window is there
  window="$(xdotool search --name '^Abaquino$' 2>/dev/null | head -1)" && [[ -n "$window" ]] && break
  sleep 0.1
done
[[ -n "$window" ]] || fail "the installed program showed no window"
timeout 60 "$wine" "$installer" /S || fail "installing over the running copy did not finish"  # an upgrade
/usr/lib/wine/wineserver -w
wait "$program" || fail "the running program did not end cleanly when installed over"
[[ -f "$folder/abaquino.exe" ]] || fail "installing over the running copy left no program"
echo "started, showed its window, and closed cleanly when installed over"

"$wine" "$folder/Uninstall.exe" /S
/usr/lib/wine/wineserver -w
[[ ! -e "$folder" ]] || fail "left behind: $(ls -A "$folder")"
[[ ! -e "$shortcut" && ! -e "$(dirname "$shortcut")" ]] || fail "the Start-menu shortcut is left behind"
! "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Abaquino' >/dev/null 2>&1 ||
  fail "still in the list of installed programs"
echo "uninstalled without a trace"
