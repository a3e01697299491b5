#!/usr/bin/python3
# Prints the accessibility tree of the running program with the given process id, one object a
# line, tab-separated: role, name, description, the screen rectangle x, y, width, height, and the
# text it offers to be read (empty when it offers none).
# This is what a screen reader hears, so a script can read a window's fields and find its buttons
# through it. Needs a session bus with the AT-SPI registry and the program started with
# QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1.
#
#     scripts/accessible-tree.py PID
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def application(pid, attempts=50):
    for _ in range(attempts):
        desktop = Atspi.get_desktop(0)
        for index in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(index)
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.1)
    sys.exit(f"no accessible application with process id {pid}")


def flat(text):
    return (text or "").replace("\t", " ").replace("\n", " ")


def text_of(node):
    if "Text" not in node.get_interfaces():
        return ""
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def walk(node):
    extents = node.get_extents(Atspi.CoordType.SCREEN)
    print("\t".join([node.get_role_name(), flat(node.get_name()), flat(node.get_description()),
                     str(extents.x), str(extents.y), str(extents.width), str(extents.height),
                     flat(text_of(node))]))
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        if child is not None:
            walk(child)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: accessible-tree.py PID")
    app = application(int(sys.argv[1]))
    for index in range(app.get_child_count()):
        walk(app.get_child_at_index(index))
