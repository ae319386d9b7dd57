# Sourced by the screen-reader tests, with `here` set to their folder: runs the calling script
# again on a private X server and in a D-Bus session of its own, unless it runs there already.
if [[ -z "${ABAQUINO_IN_SESSION:-}" ]]; then
  exec env ABAQUINO_IN_SESSION=1 "$here/../../scripts/private-display" --screen 1024x768x24 \
    dbus-run-session -- "$0" "$@" 2> >(grep -v 'fd limit\|^dbus-daemon' >&2)
fi
