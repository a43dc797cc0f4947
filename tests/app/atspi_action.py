#!/usr/bin/python3
"""Does an accessibility action on a control of a running program through AT-SPI, as a screen
reader or a test tool does: the control is found by its accessible name in the program's
window of the given title (the program found by its process id), and the action by its AT-SPI
name ("Toggle", "Press").
Usage: atspi_action.py PID WINDOW NAME ACTION. Exits 0 once done, 2 when the program, the
control or the action is not found within 20 seconds."""
import sys
import time
from collections import deque

import pyatspi


def find_app(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:  # an application that went away meanwhile
            pass
    return None


def find_control(app, window, name):
    # Nearest first, level by level: every step is a round trip to the program.
    queue = deque(w for w in app if w is not None and w.name == window)
    while queue:
        acc = queue.popleft()
        try:
            if acc.name == name:
                return acc
            queue.extend(c for c in acc if c is not None)
        except Exception:  # a control that went away meanwhile
            pass
    return None


def main():
    pid, window, name, action = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        app = find_app(pid)
        control = find_control(app, window, name) if app is not None else None
        if control is not None:
            actions = control.queryAction()
            for i in range(actions.nActions):
                if actions.getName(i) == action:
                    actions.doAction(i)
                    return 0
            print(f"{name}: no action {action}", file=sys.stderr)
            return 2
        time.sleep(0.1)
    print(f"{name} not found in process {pid}", file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
