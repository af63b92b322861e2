"""The settings window and a report panel as a screen reader reads them, through AT-SPI.

Run by settings_accessibility.sh with the closed session bus in DBUS_SESSION_BUS_ADDRESS, the
settings window already open on DISPLAY; RULES is the rules file, LABEL the card's label and
MOUNT_CMD mounts the card. Prints one line per check; exits 1 when one fails.
"""
import os
import subprocess
import sys
import time

import pyatspi

FAILED = []


def check(what, ok, detail=""):
    print(("ok   " if ok else "FAIL ") + what + (f": {detail}" if detail and not ok else ""))
    if not ok:
        FAILED.append(what)


def poll(find, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    return None


def mirvale():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name.lower().startswith("mirvale"):
            return app
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def states(node):
    return node.getState()


def focusable(node):
    s = states(node)
    return s.contains(pyatspi.STATE_FOCUSABLE) and s.contains(pyatspi.STATE_SHOWING) \
        and s.contains(pyatspi.STATE_ENABLED)


def label(node):
    return f"{node.getRoleName()} '{node.name}'"


def value_text(node):
    try:
        text = node.queryText()
        return text.getText(0, -1)
    except NotImplementedError:
        return None


def settings_window():
    app = mirvale()
    return next((w for w in app if w is not None and w.name == "Mirvale Settings"), None) if app else None


def focused(window):
    # A list's current row says it is focused whether the list has the focus or not.
    return next((n for n in walk(window) if states(n).contains(pyatspi.STATE_FOCUSED)
                 and n.getRole() not in (pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL)), None)


def key(keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", keys], check=True)
    time.sleep(0.15)


def tab_cycle(window, keys, first):
    """Presses `keys` until the focus is back on `first`; the objects visited, in order."""
    visited = [first]
    for _ in range(80):
        key(keys)
        # The focus moves on the bus a moment after the key: wait for it to leave the last one.
        now = poll(lambda: (lambda f: f if f is not None and f != visited[-1] else None)(focused(window)), 5)
        if now is None or now == first:
            break
        visited.append(now)
    return visited


window = poll(settings_window)
if window is None:
    print("FAIL no settings window on the accessibility bus")
    sys.exit(1)
subprocess.run(["xdotool", "search", "--name", "^Mirvale Settings$", "windowactivate", "--sync"], check=False)
time.sleep(0.5)

nodes = list(walk(window))
controls = [n for n in nodes if focusable(n) and n.getRole() not in (pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL)]
fields = [n for n in nodes if n.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)
          and states(n).contains(pyatspi.STATE_SHOWING)]
rules = next((n for n in nodes if n.getRole() == pyatspi.ROLE_LIST and n.name == "Rules"), None)
rows = [n for n in rules] if rules else []


def labelled(node):
    return any(r.getRelationType() == pyatspi.RELATION_LABELLED_BY for r in node.getRelationSet())


rows_checked = [
    ("the window is a frame", window.getRole() == pyatspi.ROLE_FRAME, window.getRoleName()),
    ("every focusable control has a name that is not its value",
     all(c.name and c.name != value_text(c) for c in controls),
     [label(c) for c in controls if not c.name or c.name == value_text(c)]),
    ("every text field has a labelled-by relation", fields and all(labelled(f) for f in fields),
     [label(f) for f in fields if not labelled(f)]),
    ("the number fields are named", {"Left", "Top", "Width", "Height", "Name"} <= {f.name for f in fields},
     [f.name for f in fields]),
    ("the folder menu is named Folder", any(c.name == "Folder" and c.getRole() == pyatspi.ROLE_COMBO_BOX
                                            for c in controls), ""),
    ("the rule list is named Rules, its rows read with their second line",
     len(rows) == 2 and "Camera" in rows[0].name and os.environ["LABEL"] in rows[0].description,
     [(r.name, r.description) for r in rows]),
    ("the editor's scroll areas take no focus",
     not any(c.getRole() in (pyatspi.ROLE_SCROLL_PANE, pyatspi.ROLE_VIEWPORT) for c in controls), ""),
]
for what, ok, detail in rows_checked:
    check(what, bool(ok), detail)

# The first focus is the rule list; one Tab leaves it; both cycles visit every control once.
first = poll(lambda: focused(window), 5)
check("the first focus is in the rule list", first is not None and (first == rules or first in rows),
      label(first) if first else "nothing focused")
if first is not None:
    forward = tab_cycle(window, "Tab", first)
    names = [n.name for n in forward]
    check("one Tab leaves the rule list for Add", len(names) > 1 and names[1] == "Add rule", names[:3])
    for wanted in ("Import…", "Export…", "Open cards already inserted at launch", "Name", "Check…"):
        check(f"the Tab cycle visits {wanted}", wanted in names, names)
    check("the Tab cycle visits no control twice", len(set(forward)) == len(forward), names)
    backward = tab_cycle(window, "shift+Tab", first)
    check("Shift+Tab walks the same cycle backwards", [first] + backward[1:][::-1] == forward,
          f"forward {names}, backward {[n.name for n in backward]}")
    visited = set(forward)
    check("the Tab cycle visits every focusable control",
          # a group of radio buttons is one stop, at its checked button; the arrows move inside it
          all(c in visited or c.getRole() == pyatspi.ROLE_LIST_ITEM
              or (c.getRole() == pyatspi.ROLE_RADIO_BUTTON and not states(c).contains(pyatspi.STATE_CHECKED))
              for c in controls if c != rules),
          [label(c) for c in controls if c not in visited])

# Return in the Name field does not save; Ctrl+S does.
name_field = next((f for f in fields if f.name == "Name"), None)
before = open(os.environ["RULES"]).read()
if name_field is not None:
    name_field.queryComponent().grabFocus()
    time.sleep(0.3)
    if os.environ.get("MIRVALE_A11Y_SCREENSHOT"):
        subprocess.run(["import", "-window", "root", os.environ["MIRVALE_A11Y_SCREENSHOT"]], check=False)
    key("End")
    subprocess.run(["xdotool", "type", "--delay", "30", "X"], check=True)
    key("Return")
    time.sleep(0.5)
    check("Return in the Name field does not save", open(os.environ["RULES"]).read() == before)
    key("ctrl+s")
    check("Ctrl+S saves", poll(lambda: "CameraX" in open(os.environ["RULES"]).read(), 5) is not None)
else:
    check("the Name field is on the bus", False)

# A card's report panel: a notification (or an alert) whose name holds the card's name.
subprocess.run(["bash", "-c", os.environ["MOUNT_CMD"]], check=True, capture_output=True)


def panel():
    app = mirvale()
    for top in (app or []):
        if top is not None and top.getRole() in (pyatspi.ROLE_NOTIFICATION, pyatspi.ROLE_ALERT) \
                and os.environ["LABEL"] in top.name:
            return top
    return None


shown = poll(panel, 20)
check("a report panel appears on the bus as a notification named with the card", shown is not None,
      [label(t) for t in (mirvale() or []) if t is not None])
if shown is not None:
    check("the panel is showing and names the tray menu's way to it",
          states(shown).contains(pyatspi.STATE_SHOWING) and "tray menu" in shown.description,
          shown.description)
    check("the panel takes no focus", not states(shown).contains(pyatspi.STATE_FOCUSED))

sys.exit(1 if FAILED else 0)
