#!/usr/bin/python3
"""Prints what a screen reader finds in one process's windows: every object of its
accessibility tree as "role<TAB>name", depth first, a name's line breaks shown as " | "."""
import sys

import pyatspi


def walk(node, depth, out):
    if depth > 40:
        return
    try:
        role = node.getRoleName()
        name = node.name or ""
        count = node.childCount
    except Exception:  # an object that went away while we looked
        return
    out.append(f"{role}\t{name.replace(chr(10), ' | ')}")
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        if child is not None:
            walk(child, depth + 1, out)


def main():
    pid = int(sys.argv[1])
    desktop = pyatspi.Registry.getDesktop(0)
    out = []
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                walk(app, 0, out)
        except Exception:
            continue
    print("\n".join(out))
    return 0 if out else 1


if __name__ == "__main__":
    sys.exit(main())
