# Presses a button through the accessibility bus, as a user of a screen reader or of switch
# access does, and waits for what follows.
#
#   press_button.py WINDOW NAME [THEN]
# Presses the button NAME of the window titled WINDOW, then waits for the button THEN in its
# place or, without THEN, for the window to go. Exit 0, or 1 with the reason.
import sys, time
import pyatspi

A = pyatspi
WINDOW, NAME, THEN = (sys.argv[1:] + [None])[:3]


def poll(find, seconds=20):
    for _ in range(seconds * 10):
        if found := find():
            return found
        time.sleep(0.1)


def walk(node):
    yield node
    for child in node:
        yield from walk(child) if child is not None else ()


def window():  # a frame or a dialog, not a report panel named with a card
    return next((w for app in A.Registry.getDesktop(0) if app for w in app if w and w.name == WINDOW
                 and w.getRole() in (A.ROLE_FRAME, A.ROLE_DIALOG)), None)


def button(name):  # enabled: Mirvale's waits greyed out while it reads the desktop's setting
    found = window()
    return found and next((n for n in walk(found) if n.getRole() == A.ROLE_PUSH_BUTTON and n.name == name
                           and n.getState().contains(A.STATE_ENABLED) and n.getState().contains(A.STATE_SHOWING)),
                          None)


found = poll(lambda: button(NAME))
if found is None:
    sys.exit(f"no button \"{NAME}\" showing and enabled in the window \"{WINDOW}\" on the accessibility bus")
found.queryAction().doAction(0)
if THEN and poll(lambda: button(THEN)) is None:
    sys.exit(f"after \"{NAME}\", no button \"{THEN}\" in the window \"{WINDOW}\"")
if not THEN and poll(lambda: window() is None) is None:
    sys.exit(f"the window \"{WINDOW}\" stayed after \"{NAME}\"")
