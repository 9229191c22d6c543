"""What the checks that drive the program in its own X server share: starting processes
whose pids the calling script kills at exit, waiting, and finding the program's window and
reader field over AT-SPI. Imported by check-orca-steps.py and check-keys-steps.py."""

import os
import subprocess
import time

import pyatspi



def start(work, name, argv, **kwargs):
    """Starts `argv` with its output in WORK/NAME.out and its pid in WORK/pids/NAME."""
    out = open(os.path.join(work, name + ".out"), "w")
    proc = subprocess.Popen(argv, stdout=out, stderr=subprocess.STDOUT, **kwargs)
    with open(os.path.join(work, "pids", name), "w") as f:
        f.write(str(proc.pid))
    return proc


def wait_until(test, limit, step=0.02):
    end = time.monotonic() + limit
    while time.monotonic() < end:
        value = test()
        if value:
            return value
        time.sleep(step)
    return None


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        try:
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name.lower() == name:
                return app
        except Exception:
            pass
    return None


def reader_field(app):
    """The one-line text field that is showing (the main window's reader field)."""
    def is_field(acc):
        try:
            return (acc.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)
                    and acc.getState().contains(pyatspi.STATE_SHOWING))
        except Exception:
            return False
    return pyatspi.findDescendant(app, is_field)


def field_text(field):
    try:
        text = field.queryText()
        return text.getText(0, text.characterCount)
    except Exception:
        return None
