#!/usr/bin/python3
"""Reads the running calculator as a screen reader does, through AT-SPI: every control's role and
Italian name, both displays' texts, the chosen option, and the events that announce a typed key
and a failure."""
import subprocess
import sys
import time

import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib

# Roles are compared as AT-SPI's numbers: their names are spelled differently from release to
# release ("push button" in AT-SPI 2.46, "button" in 2.56), and a reader goes by the number.
TEXT, RADIO, BUTTON, LABEL, ITEM = (Atspi.Role.TEXT, Atspi.Role.RADIO_BUTTON, Atspi.Role.PUSH_BUTTON,
                                    Atspi.Role.LABEL, Atspi.Role.MENU_ITEM)
CONTROLS = [  # role, name, in tab order
    (TEXT, "Importo convertito"), (TEXT, "Importo"), (RADIO, "Converti in lire"),
    *[(BUTTON, d) for d in "123456789"], (BUTTON, "0"),
    (BUTTON, "cambia segno"), (BUTTON, "virgola"), (BUTTON, "diviso"),
    (BUTTON, "x per"), (BUTTON, "meno"), (BUTTON, "più"),
    (BUTTON, "uguale"), (BUTTON, "C cancella tutto"), (BUTTON, "CE cancella voce"),
    (RADIO, "Converti in euro"), (LABEL, "Converti in:"), (LABEL, "Lire"),
    (LABEL, "Euro"), (BUTTON, "percentuale"),
]
MENU = [(ITEM, "Esci"), (ITEM, "Informazioni")]
failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


def application():
    """The calculator on the bus; a sanitizer build on a cold machine takes a while to get there."""
    desktop = Atspi.get_desktop(0)
    for _ in range(400):
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == "Abaquino":
                return app
        time.sleep(0.1)
    sys.exit("no application called Abaquino on the accessibility bus")


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def text(node):
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def chosen(node):
    return node.get_state_set().contains(Atspi.StateType.CHECKED)


def run_until(action, done, seconds=20):
    """Runs the action, then collects AT-SPI events until done(events) holds: no fixed wait that a
    busy machine could outlast. Gives up after a while and returns what came."""
    events = []
    loop = GLib.MainLoop()

    def record(event):
        events.append((event.type, event.source.get_name(), str(event.any_data)))

    def poll():
        if done(events):
            loop.quit()
        return True

    listener = Atspi.EventListener.new(record)
    listener.register("object:text-changed:insert")
    listener.register("object:property-change:accessible-name")
    GLib.timeout_add(200, lambda: (action(), False)[1])
    GLib.timeout_add(50, poll)
    GLib.timeout_add(int(seconds * 1000), loop.quit)
    loop.run()
    listener.deregister("object:text-changed:insert")
    listener.deregister("object:property-change:accessible-name")
    return events


def wait_until(condition, seconds=20):
    deadline = time.monotonic() + seconds
    while not condition() and time.monotonic() < deadline:
        time.sleep(0.05)


frame = children(application())[0]
check(frame.get_role() == Atspi.Role.FRAME and frame.get_name() == "Abaquino", "the window is the frame 'Abaquino'")
client, menu_bar = children(frame)
announcer = [node for node in children(client) if node.get_role() == Atspi.Role.NOTIFICATION]
check(len(announcer) == 1, "the window has one notification, for what is announced")
shown = [node for node in children(client) if node.get_role() != Atspi.Role.NOTIFICATION]
controls = {name: node for node in shown for name in [node.get_name()]}
check([(n.get_role(), n.get_name()) for n in shown] == CONTROLS,
      "every control has its role and Italian name, in tab order")
check([(n.get_role(), n.get_name()) for n in children(menu_bar)] == MENU, "the menu's entries")
check(chosen(controls["Converti in euro"]) and not chosen(controls["Converti in lire"]),
      "'Converti in euro' is the chosen option at start")

typing = lambda: subprocess.run(["xdotool", "type", "--delay", "30", "1000"], check=True)
typed = ("object:text-changed:insert", "Importo", "1000")
converted = ("object:text-changed:insert", "Importo convertito", "0,52")
events = run_until(typing, lambda events: typed in events and converted in events)
check(text(controls["Importo"]) == "1000", "the entry reads 1000")
check(text(controls["Importo convertito"]) == "0,52", "the conversion reads 0,52")
check(typed in events, "typing is announced on the entry")
check(converted in events, "the new conversion is announced")

Atspi.Action.do_action(controls["Converti in lire"], 0)  # "Toggle"
wait_until(lambda: text(controls["Importo convertito"]) == "1.936.270")
check(chosen(controls["Converti in lire"]) and not chosen(controls["Converti in euro"]),
      "clicking 'Converti in lire' chooses it")
check(text(controls["Importo convertito"]) == "1.936.270", "the conversion reads 1.936.270")
check(announcer[0].get_name() == "1000, in lire 1.936.270", "the new currency is announced with both amounts")
check("in lire" in (controls["Importo convertito"].get_description() or ""), "the conversion says its currency")

adding = lambda: subprocess.run(["xdotool", "type", "--delay", "30", "+1="], check=True)
result = lambda events: any(e[0] == "object:property-change:accessible-name"
                            and e[1].startswith("1001, in lire 1.938.206") for e in events)
check(result(run_until(adding, result)), "a result is announced with its conversion")

failing = lambda: subprocess.run(["xdotool", "type", "--delay", "30", "/0="], check=True)
announced = lambda events: any(e[0] == "object:property-change:accessible-name"
                               and e[1] == "Impossibile dividere per zero" for e in events)
check(announced(run_until(failing, announced)), "a failure is announced with its message")

sys.exit(1 if failures else 0)
