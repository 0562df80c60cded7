#!/usr/bin/env python3
"""Prints the accessibility tree of the running Cartwise, one "role<TAB>name" line for each
object of its windows, as a screen reader sees them (AT-SPI). With --wait it only waits for
the accessibility bus to be up, so that the program, started next, joins it."""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def walk(node, out):
    try:
        out.append(f"{node.get_role_name()}\t{node.get_name()}")
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            if child is not None:
                walk(child, out)
    except Exception:  # an object gone while read (a box closing)
        pass


def main():
    desktop = Atspi.get_desktop(0)
    if "--wait" in sys.argv:
        return 0
    for _ in range(100):
        lines = []
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == "Cartwise":
                walk(app, lines)
        if len(lines) > 1:
            print("\n".join(lines))
            return 0
        time.sleep(0.1)
    return 1


if __name__ == "__main__":
    sys.exit(main())
