#!/usr/bin/env bash
# A session as a screen reader user meets it, run from a Downloads folder where DLLs named oleacc
# and uiautomationcore lie beside the program, and wine looks for them as Windows does (native
# first, the program's folder first). An outside screen reader (screen_reader.exe, a process of
# its own) drives the program and must hear every answer with the focus on a keypad key, and read
# the announcer's element; the program then closes. No planted DLL may run, nothing may fault.
# Runs inside scripts/wine-session, under scripts/wine-strict.
#   screen_reader_session.sh abaquino.exe planted_dll.dll screen_reader.exe
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
heard="$("$wine" "$3" | tr -d '\r')" || fail "the screen reader found no Abaquino window"
echo "$heard"
"$wine" taskkill /im abaquino.exe >/dev/null 2>&1
wait "$program" || fail "the program did not end cleanly"

# On-screen keys, typed keys, the Lire option, a failure; the element keeps the last sentence.
for line in "heard: 15, in euro 0,01" "heard: 30, in euro 0,02" "heard: 30, in lire 58.088" \
            "heard: Impossibile dividere per zero" "element: 50020 30, in lire 58.088,10"; do
  grep -qxF "$line" <<<"$heard" || fail "not heard: ${line#*: }"
done
keypad="$(grep -m1 '^focus: ' <<<"$heard")"
[[ "${keypad#focus: }" -ge 1000 ]] || fail "the focus left the keypad"
ran="$(cd "$folder" && ls ./*.ran 2>/dev/null || true)"
[[ -z "$ran" ]] || fail "a planted DLL ran inside the program: $ran"
echo "every answer heard from outside; no planted DLL was loaded"
