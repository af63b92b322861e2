# Windows read and driven over the accessibility bus, as a screen reader or switch access does.
# Exit 0, or 1 with the reason.
#
#   accessibility.py press WINDOW NAME [THEN]
#     Presses the button NAME of the window titled WINDOW, then waits for the button THEN in its
#     place or, without THEN, for the window to go.
#   accessibility.py selected TITLE
#     Prints what is selected in the window titled TITLE (or TITLE, a space and more), one name
#     a line, once something is.
import re, sys, time
import pyatspi as A

ITEMS = (A.ROLE_ICON, A.ROLE_LIST_ITEM, A.ROLE_TABLE_CELL, A.ROLE_TABLE_ROW, A.ROLE_TREE_ITEM)


def poll(find, seconds=20):
    for _ in range(seconds * 10):
        if found := find():
            return found
        time.sleep(0.1)


def walk(node, depth=0):
    yield node
    for child in (node if depth < 40 else ()):
        yield from walk(child, depth + 1) if child is not None else ()


def windows(wanted):
    return (w for app in A.Registry.getDesktop(0) if app for w in app if w and wanted(w))


def press(title, name, then=None):
    def window():  # a frame or a dialog, not a report panel named with a card
        return next(windows(lambda w: w.name == title and w.getRole() in (A.ROLE_FRAME, A.ROLE_DIALOG)), None)

    def button(label):  # enabled: Mirvale's waits greyed out while it reads the desktop's setting
        found = window()
        return found and next((n for n in walk(found) if n.getRole() == A.ROLE_PUSH_BUTTON and n.name == label
                               and n.getState().contains(A.STATE_ENABLED) and n.getState().contains(A.STATE_SHOWING)),
                              None)

    found = poll(lambda: button(name))
    if found is None:
        sys.exit(f"no button \"{name}\" showing and enabled in the window \"{title}\" on the accessibility bus")
    found.queryAction().doAction(0)
    if then and poll(lambda: button(then)) is None:
        sys.exit(f"after \"{name}\", no button \"{then}\" in the window \"{title}\"")
    if not then and poll(lambda: window() is None) is None:
        sys.exit(f"the window \"{title}\" stayed after \"{name}\"")


def selected(title):
    def names():
        for frame in windows(lambda w: w.name == title or w.name.startswith(title + " ")):
            found = set()
            for node in walk(frame):
                if node.getState().contains(A.STATE_SELECTED) and node.getRole() in ITEMS:
                    # GTK 4 names an item after its widget class; its label holds the name.
                    labels = [n.name for n in walk(node) if n.getRole() == A.ROLE_LABEL and n.name]
                    found.update(name for name in labels or [node.name] if name)
                # A view that gives no items (Thunar's icon view) names the selection in the
                # status bar: "IMG_1013.CR3"  |  6 bytes  |  ...
                elif node.getRole() == A.ROLE_STATUS_BAR and (quoted := re.match(r'"([^"]+)"', node.name or "")):
                    found.add(quoted.group(1))
            if found:
                return found

    found = poll(names)
    if not found:
        sys.exit(f"nothing selected in a window titled \"{title}\" on the accessibility bus")
    print("\n".join(sorted(found)))


command, *arguments = sys.argv[1:]
{"press": press, "selected": selected}[command](*arguments)
