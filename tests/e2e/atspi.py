# SPDX-License-Identifier: MIT
"""Reads a program's accessibility tree over the AT-SPI bus, as a screen reader does.

atspi.py PID              prints the tree: a line "ROLE|NAME|DESCRIPTION|ACTIONS|TEXT" an
                          object, indented two spaces a level (TEXT what the object offers
                          through the text interface, its line breaks as "\\n"); fails while
                          PID has none
atspi.py PID NAME ACTION  performs ACTION of the first shown object called NAME
atspi.py PID --where NAME prints "X Y W H" of the first showing object called NAME and of
                          the window holding it, on the screen, one line each
atspi.py PID --focus S    prints, for S seconds, "ROLE|NAME" of each object of PID that gains
                          the focus (a menu's items as the keyboard goes through them: a
                          popup menu is no child of its program in the tree); "ready" first
"""
import sys

import pyatspi


def program(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    sys.exit(f"no application of process {pid} on the accessibility bus")


def actions(obj):
    try:
        action = obj.queryAction()
    except NotImplementedError:
        return None, []
    return action, [action.getName(i) for i in range(action.nActions)]


def text(obj):
    try:
        content = obj.queryText()
    except NotImplementedError:
        return ""
    return content.getText(0, -1).replace("\n", "\\n")


def walk(obj, depth=0):
    yield depth, obj
    for child in obj:
        if child is not None:
            yield from walk(child, depth + 1)


def where(pid, name):
    window = None
    for depth, obj in walk(program(pid)):
        if depth == 1:
            window = obj
        if obj.name == name and obj.getState().contains(pyatspi.STATE_SHOWING):
            for o in (obj, window):
                box = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                print(box.x, box.y, box.width, box.height)
            return
    sys.exit(f"no object {name!r} showing")


def focus(pid, seconds):
    from gi.repository import GLib

    def seen(event):
        try:
            if event.detail1 and event.source.get_process_id() == pid:
                print(f"{event.source.getRoleName()}|{event.source.name}", flush=True)
        except Exception:  # an object gone meanwhile
            pass

    pyatspi.Registry.registerEventListener(seen, "object:state-changed:focused")
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    GLib.idle_add(lambda: print("ready", flush=True))
    pyatspi.Registry.start()


def main():
    pid = int(sys.argv[1])
    if sys.argv[2:3] == ["--where"]:
        return where(pid, sys.argv[3])
    if sys.argv[2:3] == ["--focus"]:
        return focus(pid, float(sys.argv[3]))
    for depth, obj in walk(program(pid)):
        action, names = actions(obj)
        if len(sys.argv) == 2:
            print("  " * depth + "|".join([obj.getRoleName(), obj.name, obj.description,
                                           ",".join(names), text(obj)]))
        elif obj.name == sys.argv[2] and sys.argv[3] in names:
            action.doAction(names.index(sys.argv[3]))
            return
    if len(sys.argv) > 2:
        sys.exit(f"no object {sys.argv[2]!r} with the action {sys.argv[3]!r}")


main()
