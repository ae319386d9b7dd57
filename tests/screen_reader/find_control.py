#!/usr/bin/python3
"""Finds a control as a screen reader does, by its accessible name in any application on the
accessibility bus, and prints its text (`text NAME`) or the middle of it on the screen
(`middle NAME`), for a click that must land on it; `focused NAME` succeeds once it has the focus."""
import sys
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi


def find(node, name):
    if node.get_name() == name and node.get_role() in (Atspi.Role.ENTRY, Atspi.Role.TEXT):
        return node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        found = child and find(child, name)
        if found:
            return found
    return None


what, name = sys.argv[1:3]
control = find(Atspi.get_desktop(0), name)
if control is None:
    sys.exit("no text box called %r" % name)
if what == "focused":
    sys.exit(0 if control.get_state_set().contains(Atspi.StateType.FOCUSED) else 1)
if what == "text":
    print(Atspi.Text.get_text(control, 0, Atspi.Text.get_character_count(control)))
else:
    box = control.get_extents(Atspi.CoordType.SCREEN)
    print(box.x + box.width // 2, box.y + box.height // 2)
