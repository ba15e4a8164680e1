#!/usr/bin/python3
"""Prints the accessibility tree of the running Varnodel as a screen reader reads it
over AT-SPI: one line a node, indented by depth, with its role, name and description."""
import sys

import pyatspi


def dump(node, depth=0):
    description = node.description
    line = "  " * depth + f"{node.getRoleName()} {node.name!r}"
    print(line + (f" [{description}]" if description else ""))
    for child in node:
        if child is not None:
            dump(child, depth + 1)


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [app for app in desktop if app is not None and "varnodel" in app.name.lower()]
    if not apps:
        sys.exit("Varnodel is not on the accessibility bus")
    for app in apps:
        dump(app)


if __name__ == "__main__":
    main()
