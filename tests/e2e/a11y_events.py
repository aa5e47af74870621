#!/usr/bin/python3
"""Listens on the accessibility bus as a screen reader does and writes each change one
process's canvas tells of, one "what<TAB>text" line an event ("name" or "description", with the
text it names then; line breaks shown as " | "), until the file STOP exists.

    a11y_events.py PID OUT STOP"""
import os
import sys

import pyatspi
from gi.repository import GLib


def main():
    pid, out_path, stop_path = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    out = open(out_path, "w", buffering=1)

    def heard(event):
        try:
            source = event.source
            if source.getRoleName() != "canvas" or source.get_process_id() != pid:
                return
            if event.type.endswith("accessible-name"):
                what, text = "name", source.name
            else:
                what, text = "description", source.description
        except Exception:  # an object that went away while we looked
            return
        out.write(f"{what}\t{(text or '').replace(chr(10), ' | ')}\n")

    def stop_when_asked():
        if os.path.exists(stop_path):
            pyatspi.Registry.stop()
            return False
        return True

    pyatspi.Registry.registerEventListener(
        heard,
        "object:property-change:accessible-name",
        "object:property-change:accessible-description")
    # Listening from here on: the test waits for this line before it acts.
    print("listening", flush=True)
    GLib.timeout_add(100, stop_when_asked)
    pyatspi.Registry.start()
    return 0


if __name__ == "__main__":
    sys.exit(main())
