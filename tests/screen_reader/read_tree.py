#!/usr/bin/python3
"""Reads the running calculator as a screen reader does, through AT-SPI."""
import sys, time
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib

def find_app():
    desktop = Atspi.get_desktop(0)
    for _ in range(100):
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app and app.get_name() == "Abaquino":
                return app
        time.sleep(0.1)
    sys.exit("no application called Abaquino on the accessibility bus")

def walk(node, depth=0):
    yield node, depth
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child:
            yield from walk(child, depth + 1)

app = find_app()
for node, depth in walk(app):
    text = ""
    try:
        t = node.get_text_iface()
        if t: text = t.get_text(0, t.get_character_count())
    except Exception: pass
    print("  " * depth, node.get_role_name(), repr(node.get_name()), repr(text),
          "checked" if node.get_state_set().contains(Atspi.StateType.CHECKED) else "")
