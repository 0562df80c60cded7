#!/usr/bin/env python3
# Prints the running Cartwise's accessibility tree (AT-SPI, as a screen reader reads it), one
# "role<TAB>name" line per object. With --wait it only brings the accessibility bus up, so that
# the program started next joins it.
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def walk(node, out):
    try:
        out.append(f"{node.get_role_name()}\t{node.get_name()}")
        for i in range(node.get_child_count()):
            walk(node.get_child_at_index(i), out)
    except Exception:  # an object gone while read, or no object there
        pass


desktop = Atspi.get_desktop(0)
for _ in range(0 if "--wait" in sys.argv else 100):
    lines = []
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == "Cartwise":
            walk(app, lines)
    if len(lines) > 1:
        sys.exit(print("\n".join(lines)))
    time.sleep(0.1)
sys.exit("--wait" not in sys.argv)
