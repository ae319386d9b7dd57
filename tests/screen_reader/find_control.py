#!/usr/bin/python3
"""Finds a control as a screen reader does, by its accessible name in any application on the
accessibility bus, and prints its text (`text NAME`) or the middle of it on the screen
(`middle NAME`), for a click that must land on it; `focused NAME` succeeds once it has the focus,
and `focused-button NAME` once the push button of that name has it."""
import sys
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi


def find(node, name, roles):
    if node.get_name() == name and node.get_role() in roles:
        return node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        found = child and find(child, name, roles)
        if found:
            return found
    return None


what, name = sys.argv[1:3]
roles = (Atspi.Role.PUSH_BUTTON,) if what == "focused-button" else (Atspi.Role.ENTRY, Atspi.Role.TEXT)
control = find(Atspi.get_desktop(0), name, roles)
if control is None:
    sys.exit("no control called %r" % name)
if what.startswith("focused"):
    sys.exit(0 if control.get_state_set().contains(Atspi.StateType.FOCUSED) else 1)
if what == "text":
    print(Atspi.Text.get_text(control, 0, Atspi.Text.get_character_count(control)))
else:
    box = control.get_extents(Atspi.CoordType.SCREEN)
    print(box.x + box.width // 2, box.y + box.height // 2)
