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

# One sentence for each step that shows amounts or fails, in order: on-screen keys 1 2 + 3 =,
# typed * 2 =, the Lire option, typed / 0 = (a division by zero), C and the Euro option (which
# say nothing), then 100000000000000 * * * (a conversion too large). The conversion display says
# its own name when it takes the focus; the announcer's element is out of the reader's navigation.
expected="heard: 12, in euro 0,01
heard: 15, in euro 0,01
heard: 15, in euro 0,01
heard: 30, in euro 0,02
heard: 30, in lire 58.088
heard: 30, in lire 58.088,10
heard: Impossibile dividere per zero
heard: 100000000000000, in euro 51.645.689.908,95
heard: 1E+28, in euro 5.164.568.990.894.860.000.000.000,00
heard: 1E+56, Importo troppo grande per la conversione
focus says: Importo convertito
element: 50020, control view 0, content view 0"
[[ "$(grep -E '^(heard|focus says|element): ' <<<"$heard")" == "$expected" ]] ||
  fail "heard otherwise than once for each step, in order"
keypad="$(grep -m1 '^focus: ' <<<"$heard")"
[[ "${keypad#focus: }" -ge 1000 ]] || fail "the focus left the keypad"
ran="$(cd "$folder" && ls ./*.ran 2>/dev/null || true)"
[[ -z "$ran" ]] || fail "a planted DLL ran inside the program: $ran"
echo "every answer heard from outside; no planted DLL was loaded"
