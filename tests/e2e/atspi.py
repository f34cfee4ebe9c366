# SPDX-License-Identifier: MIT
"""Reads a program's accessibility tree over the AT-SPI bus, as a screen reader does.

atspi.py PID              prints the tree: a line "ROLE|NAME|DESCRIPTION|ACTIONS|TEXT" an
                          object, indented two spaces a level (TEXT what the object offers
                          through the text interface, its line breaks as "\\n"); fails while
                          PID has none
atspi.py PID NAME ACTION  performs ACTION of the first shown object called NAME
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


def main():
    pid = int(sys.argv[1])
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
