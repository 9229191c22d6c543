"""Drives the program under Orca and compares what Orca spoke with the reader field.

Run by scripts/check-orca inside its own X server and session bus:
    /usr/bin/python3 check-orca-steps.py PROGRAM WORKDIR
Needs /usr/bin/python3 with pyatspi (Debian python3-pyatspi), orca, pulseaudio, xdotool.
"""

import os
import re
import signal
import subprocess
import sys
import time
from datetime import datetime, timezone

import pyatspi

PROGRAM, WORK = sys.argv[1], sys.argv[2]
ORCA_LOG = os.path.join(WORK, "orca.log")
# What a key may take until Orca speaks what the field shows.
SPEECH_LIMIT = 0.300
# How long a step waits for the field to change, and then for Orca to speak.
FIELD_WAIT = 3.0
SPEECH_WAIT = 0.8
STARTUP_WAIT = 20.0
# Speech heard this long after a key still belongs to its step.
STEP_WINDOW = 1.5


def log(text):
    print(text, flush=True)


def start(name, argv, **kwargs):
    out = open(os.path.join(WORK, name + ".out"), "w")
    proc = subprocess.Popen(argv, stdout=out, stderr=subprocess.STDOUT, **kwargs)
    with open(os.path.join(WORK, "pids", name), "w") as f:
        f.write(str(proc.pid))
    return proc


def stop(proc, grace=3.0):
    """SIGTERM (Orca then writes out its log), SIGKILL when it does not end in time."""
    if proc.poll() is not None:
        return
    proc.send_signal(signal.SIGTERM)
    try:
        proc.wait(grace)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()


def stop_speech_dispatcher():
    """Orca's speech client started it; its pid file is in our runtime folder."""
    pid_file = os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "pid",
                            "speech-dispatcher.pid")
    try:
        with open(pid_file) as f:
            os.kill(int(f.read().strip()), signal.SIGKILL)
    except (OSError, ValueError):
        pass


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


def settle(field, quiet=0.05, limit=FIELD_WAIT):
    """Waits until the field's text has stayed the same for `quiet` seconds."""
    end = time.monotonic() + limit
    last = field_text(field)
    while time.monotonic() < end:
        time.sleep(quiet)
        now = field_text(field)
        if now == last:
            return now
        last = now
    return last


def main_window(pid):
    """The program's largest visible window."""
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                         capture_output=True, text=True).stdout.split()
    best, area = None, 0
    for wid in ids:
        out = subprocess.run(["xdotool", "getwindowgeometry", "--shell", wid],
                             capture_output=True, text=True).stdout
        geometry = dict(line.split("=", 1) for line in out.split() if "=" in line)
        a = int(geometry.get("WIDTH", 0)) * int(geometry.get("HEIGHT", 0))
        if a > area:
            best, area = wid, a
    return best


def fold(text):
    return " ".join(text.split())


def press(key):
    t = time.time()
    subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
    return t


def speech_lines():
    """(time, text) of every SPEECH OUTPUT line in Orca's log."""
    # The text, then an optional voice name and the voice's settings.
    pattern = re.compile(
        r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)'( voice=\S+)?( ?\[?\{.*\}\]?)?$")
    today = datetime.now(timezone.utc).replace(hour=0, minute=0, second=0, microsecond=0)
    lines = []
    with open(ORCA_LOG, encoding="utf-8", errors="replace") as f:
        for line in f:
            m = pattern.match(line)
            if not m:
                continue
            text = m.group(4)
            seconds = int(m.group(1)) * 3600 + int(m.group(2)) * 60 + float(m.group(3))
            lines.append((today.timestamp() + seconds, text))
    return lines


class Step:
    def __init__(self, name, key, at, shown):
        self.name, self.key, self.at, self.shown = name, key, at, shown


def run_steps(field):
    steps = []

    def step(name, key):
        before = field_text(field)
        at = press(key)
        wait_until(lambda: field_text(field) != before, FIELD_WAIT, 0.005)
        settle(field)
        time.sleep(SPEECH_WAIT)
        shown = field_text(field)
        steps.append(Step(name, key, at, shown))
        log("  %-28s %-8s field %r" % (name, key, shown))
        return shown

    step("main menu, arrow down", "Down")
    step("main menu, arrow up", "Up")
    step("hot key S: drill-type menu", "s")
    step("drill-type menu, arrow down", "Down")
    step("drill-type menu, arrow up", "Up")
    step("Enter: drill starts", "Return")
    for digit in "999":
        step("typed digit", digit)
    step("wrong answer", "Return")
    # Answer every task right (read from the field) until the result shows.
    answered = 0
    while answered < 200:
        task = field_text(field)
        m = re.search(r"(\d+) *([-+*/]) *(\d+) *= *$", task or "")
        if not m:
            break
        a, op, b = int(m.group(1)), m.group(2), int(m.group(3))
        answer = {"+": a + b, "-": a - b, "*": a * b, "/": a // b if b else 0}[op]
        for digit in str(answer):
            subprocess.run(["xdotool", "key", digit], check=True)
        wait_until(lambda: field_text(field).rstrip().endswith(str(answer)), FIELD_WAIT, 0.005)
        before = settle(field)
        at = press("Return")
        wait_until(lambda: field_text(field) != before, FIELD_WAIT, 0.005)
        answered += 1
        shown = settle(field)
        if not re.search(r"= *$", shown or ""):
            time.sleep(SPEECH_WAIT)
            shown = field_text(field)
            steps.append(Step("last right answer: result", "Return", at, shown))
            log("  %-28s %-8s field %r  (after %d right answers)"
                % ("last right answer: result", "Return", shown, answered))
            break
    step("end menu, arrow down", "Down")
    return steps


def judge(steps, lines):
    failures = 0
    log("\nWhat Orca spoke, step by step (delay from the key):")
    for i, s in enumerate(steps):
        end = min(steps[i + 1].at if i + 1 < len(steps) else float("inf"), s.at + STEP_WINDOW)
        spoken = [(t - s.at, text) for t, text in lines if s.at <= t < end]
        wanted = fold(s.shown or "")
        heard = [d for d, text in spoken if wanted and wanted in fold(text)]
        ok = bool(heard) and heard[0] <= SPEECH_LIMIT
        failures += not ok
        verdict = "ok" if ok else ("LATE" if heard else "NOT HEARD")
        log("%-4s %s [%s]: field %r" % (verdict, s.name, s.key, s.shown))
        for d, text in spoken:
            log("       +%4.0f ms  %r" % (d * 1000, text))
    return failures


def main():
    env = dict(os.environ)
    pulse = start("pulseaudio", [
        "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
        "--load=module-null-sink sink_name=null",
        "--load=module-native-protocol-unix"])
    if not wait_until(lambda: os.path.exists(os.path.join(env["PULSE_RUNTIME_PATH"], "native")),
                      10):
        log("check-orca: the sound server did not start")
        return 2
    orca = start("orca", ["orca", "--debug-file=" + ORCA_LOG])
    program = None
    try:
        if not wait_until(lambda: application("orca"), STARTUP_WAIT, 0.2):
            log("check-orca: Orca did not start (see %s)" % ORCA_LOG)
            return 2
        time.sleep(1.0)
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        program = start("sorvinel", [PROGRAM], env=env)
        app = wait_until(lambda: application("sorvinel"), STARTUP_WAIT, 0.1)
        field = app and wait_until(lambda: reader_field(app), STARTUP_WAIT, 0.1)
        if not field:
            log("check-orca: the program's reader field did not show over AT-SPI")
            return 2
        # The main menu shows once the splash window has closed by itself.
        if not wait_until(lambda: field_text(field), STARTUP_WAIT, 0.1):
            log("check-orca: the reader field stayed empty")
            return 2
        settle(field)
        window = main_window(program.pid)
        if not window:
            log("check-orca: no main window found")
            return 2
        # No window manager here: give the window the keyboard as a click would.
        focused = time.time()
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        time.sleep(SPEECH_WAIT)
        first = Step("main window gets the keyboard", "focus", focused, field_text(field))
        log("  %-28s %-8s field %r" % (first.name, first.key, first.shown))
        steps = [first] + run_steps(field)
        time.sleep(SPEECH_WAIT)
    finally:
        if program:
            stop(program)
        stop(orca)
        stop_speech_dispatcher()
        stop(pulse)
    failures = judge(steps, speech_lines())
    log("\n%d of %d steps heard whole within %d ms." % (len(steps) - failures, len(steps),
                                                       SPEECH_LIMIT * 1000))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
