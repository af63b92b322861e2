# The settings window and a report panel read through AT-SPI, run by settings_accessibility.sh
# (closed session bus, window open); one line per check, exit 1 when one fails.
import os, subprocess, sys, time
import pyatspi

A = pyatspi
FAILED, LABEL, RULES = [], os.environ["LABEL"], os.environ["RULES"]


def check(what, ok, detail=""):
    print(("ok   " if ok else "FAIL ") + what + ("" if ok else f": {detail}"))
    FAILED.extend([] if ok else [what])


def poll(find, seconds=20):
    for _ in range(seconds * 10):
        if found := find():
            return found
        time.sleep(0.1)


def walk(node):
    yield node
    for child in node:
        yield from walk(child) if child is not None else ()


def has(node, *states):
    return all(node.getState().contains(s) for s in states)


def mirvale():
    return next((a for a in A.Registry.getDesktop(0) if a and a.name.lower().startswith("mirvale")), [])


def focused(window):  # a list's current row says it is focused whether the list is or not
    return next((n for n in walk(window) if has(n, A.STATE_FOCUSED)
                 and n.getRole() not in (A.ROLE_LIST_ITEM, A.ROLE_TABLE_CELL)), None)


def value(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def key(*keys):
    subprocess.run(["xdotool", *keys], check=True)


def cycle(window, keys, first):  # presses keys until the focus is back on first
    visited = [first]
    for _ in range(80):
        key("key", "--clearmodifiers", keys)
        now = poll(lambda: (lambda f: f if f is not None and f != visited[-1] else None)(focused(window)), 5)
        if now is None or now == first:
            return visited
        visited.append(now)
    return visited


window = poll(lambda: next((w for w in mirvale() if w and w.name == "Mirvale Settings"), None))
if window is None:
    sys.exit("FAIL no settings window on the accessibility bus")
nodes = list(walk(window))
controls = [n for n in nodes if has(n, A.STATE_FOCUSABLE, A.STATE_SHOWING, A.STATE_ENABLED)
            and n.getRole() != A.ROLE_LIST_ITEM]
fields = [n for n in nodes if n.getRole() == A.ROLE_TEXT and has(n, A.STATE_SHOWING)]
rules = next((n for n in nodes if n.getRole() == A.ROLE_LIST and n.name == "Rules"), None)
rows = list(rules or [])
labelled = lambda n: any(r.getRelationType() == A.RELATION_LABELLED_BY for r in n.getRelationSet())
for what, ok, detail in [
    ("the window is a frame", window.getRole() == A.ROLE_FRAME, window.getRoleName()),
    ("every focusable control is named, not by its value",
     all(c.name and c.name != value(c) for c in controls), [c.name for c in controls]),
    ("every text field has a labelled-by relation", fields and all(map(labelled, fields)), [f.name for f in fields]),
    ("the number fields and Name are named", {"Left", "Top", "Width", "Height", "Name"} <= {f.name for f in fields}, ""),
    ("the folder menu is named Folder", any(c.name == "Folder" and c.getRole() == A.ROLE_COMBO_BOX for c in controls), ""),
    ("the rows read with their second line", len(rows) == 2 and "Camera" in rows[0].name and LABEL in rows[0].description,
     [(r.name, r.description) for r in rows]),
    ("no scroll area takes the focus", not any(c.getRole() == A.ROLE_SCROLL_PANE for c in controls), ""),
]:
    check(what, ok, detail)

first = poll(lambda: focused(window), 5)
check("the first focus is the rule list", first == rules, first and first.name)
forward = cycle(window, "Tab", first)
names = [n.name for n in forward]
backward = cycle(window, "shift+Tab", first)
for what, ok in [("one Tab leaves the list for Add", names[1:2] == ["Add rule"]),
                 ("the Tab cycle visits each control once", len(set(forward)) == len(forward)),
                 ("the Tab cycle visits Import, General, Name and Check",
                  {"Import…", "Open cards already inserted at launch", "Name", "Check…"} <= set(names)),
                 # a radio group is one stop, at its checked button; the arrows move inside it
                 ("the Tab cycle visits every control", all(c in forward for c in controls if c.getRole()
                  != A.ROLE_RADIO_BUTTON or has(c, A.STATE_CHECKED))),
                 ("Shift+Tab walks it backwards", [first] + backward[:0:-1] == forward)]:
    check(what, ok, f"forward {names}, backward {[n.name for n in backward]}")

before = open(RULES).read()
next(f for f in fields if f.name == "Name").queryComponent().grabFocus()
time.sleep(0.3)
key("key", "End", "type", "X", "key", "Return")
time.sleep(0.5)
check("Return in the Name field does not save", open(RULES).read() == before)
key("key", "ctrl+s")
check("Ctrl+S saves", poll(lambda: "CameraX" in open(RULES).read(), 5))

subprocess.run(["bash", "-c", os.environ["MOUNT_CMD"]], check=True, capture_output=True)
panel = poll(lambda: next((t for t in mirvale() if t and LABEL in t.name
                           and t.getRole() in (A.ROLE_NOTIFICATION, A.ROLE_ALERT)), None))
check("a report panel is on the bus as a notification named with the card", panel, [t.name for t in mirvale()])
check("the panel shows, takes no focus and names the tray menu's way to it", panel and has(panel, A.STATE_SHOWING)
      and not has(panel, A.STATE_FOCUSED) and "tray menu" in panel.description, panel and panel.description)
sys.exit(1 if FAILED else 0)
