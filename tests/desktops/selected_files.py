# Prints what a screen reader hears as selected in the file manager's window titled TITLE (or
# starting with TITLE and a space), one name a line, once something is selected; exit 1 when
# no such window or selection shows within 20 s.
#
#   selected_files.py TITLE
import re, sys, time
import pyatspi as A

TITLE = sys.argv[1]
ITEMS = (A.ROLE_ICON, A.ROLE_LIST_ITEM, A.ROLE_TABLE_CELL, A.ROLE_TABLE_ROW, A.ROLE_TREE_ITEM)


def walk(node, depth=0):
    yield node
    for child in (node if depth < 40 else ()):
        yield from walk(child, depth + 1) if child is not None else ()


def selected():
    for app in A.Registry.getDesktop(0):
        for frame in (w for w in (app or ()) if w and (w.name == TITLE or w.name.startswith(TITLE + " "))):
            names = set()
            for node in walk(frame):
                if node.getState().contains(A.STATE_SELECTED) and node.getRole() in ITEMS:
                    # GTK 4 names an item after its widget class; its label holds the name.
                    labels = [n.name for n in walk(node) if n.getRole() == A.ROLE_LABEL and n.name]
                    names.update(name for name in labels or [node.name] if name)
                # A view that gives no items (Thunar's icon view) names the selection in the
                # status bar: "IMG_1013.CR3"  |  6 bytes  |  ...
                elif node.getRole() == A.ROLE_STATUS_BAR and (quoted := re.match(r'"([^"]+)"', node.name or "")):
                    names.add(quoted.group(1))
            if names:
                return names


for _ in range(100):
    if names := selected():
        print("\n".join(sorted(names)))
        sys.exit(0)
    time.sleep(0.2)
sys.exit(f"nothing selected in a window titled \"{TITLE}\" on the accessibility bus")
