"""Presses real keys at the program and counts how often what it shows is right.

Run by scripts/check-keys inside its own X server and session bus:
    /usr/bin/python3 check-keys-steps.py PROGRAM WORKDIR SCALE
Keys go through XTest (libXtst, by ctypes), so the X server repeats a held key as it does for
a keyboard; the answer is read from the reader field over AT-SPI.
"""

import os
import random
import re
import signal
import subprocess
import sys
import time

import program_session
from program_session import application, field_text, reader_field, wait_until
from x_session import Keys, main_window

PROGRAM, WORK, SCALE = sys.argv[1], sys.argv[2], float(sys.argv[3])
STARTUP_WAIT = 20.0
# How long the field must stay the same before it is read.
QUIET = 0.15
# "3 + 4 = 12": the task and what is typed after it.
TASK = re.compile(r"(\d+) *([-+*/]) *(\d+) *= *(\d*)$")


def log(text):
    print(text, flush=True)


def start(name, argv, **kwargs):
    return program_session.start(WORK, name, argv, **kwargs)


class Program:
    def __init__(self, settings):
        self.keys = Keys()
        with open(os.path.join(os.environ["XDG_CONFIG_HOME"], "PLOXA Sorvinel.ini"), "wb") as f:
            f.write(settings)
        env = dict(os.environ)
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        self.proc = start("sorvinel", [PROGRAM], env=env)
        app = wait_until(lambda: application("sorvinel"), STARTUP_WAIT, 0.1)
        self.field = app and wait_until(lambda: reader_field(app), STARTUP_WAIT, 0.1)
        if not self.field or not wait_until(self.text, STARTUP_WAIT, 0.1):
            raise RuntimeError("the reader field did not show over AT-SPI")
        window = main_window(self.proc.pid)
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        time.sleep(1.0)

    def text(self):
        return field_text(self.field)

    def settle(self, limit=5.0):
        """The field once it has stayed the same for QUIET seconds."""
        end = time.monotonic() + limit
        last = self.text()
        while time.monotonic() < end:
            time.sleep(QUIET)
            now = self.text()
            if now == last:
                return now
            last = now
        return last

    def typed(self):
        m = TASK.search(self.settle() or "")
        return m.group(4) if m else None

    def task(self):
        m = TASK.search(self.settle() or "")
        return m

    def clear(self):
        """Backspace until nothing is typed."""
        for _ in range(6):
            if not self.typed():
                return
            self.keys.tap("BackSpace")
        if self.typed():
            raise RuntimeError("the answer could not be cleared: %r" % self.text())

    def stop(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()


def right_answer(task):
    a, op, b = int(task.group(1)), task.group(2), int(task.group(3))
    return str({"+": a + b, "-": a - b, "*": a * b, "/": a // b if b else 0}[op])


def count(n):
    return max(1, int(round(n * SCALE)))


def start_drill(p):
    """Main menu "Addition", then "Till 10:an"."""
    p.settle()
    p.keys.tap("a")
    time.sleep(0.3)
    p.keys.tap("t")
    if not wait_until(p.task, 5.0):
        raise RuntimeError("no drill task: %r" % p.text())


def in_drill(p):
    """A task on screen: a new drill when the last one ended."""
    if p.task():
        return
    # The end menu: "En gång till" is its second item.
    p.keys.tap("e")
    if not wait_until(p.task, 5.0):
        # A reward or record window may wait for a key.
        p.keys.tap("Escape")
        time.sleep(0.5)
        p.keys.tap("e")
        if not wait_until(p.task, 5.0):
            raise RuntimeError("no new drill: %r" % p.text())


class Tally:
    def __init__(self):
        self.rows = []
        self.failed = False

    def add(self, name, right, total, note=""):
        ok = right == total
        self.failed |= not ok
        self.rows.append("%-4s %-62s %4d of %-4d %s" % ("ok" if ok else "FAIL", name, right,
                                                          total, note))
        log(self.rows[-1])


def overlapping(p, tally):
    for digits in ("10", "12", "100"):
        n, right, seen = count(20), 0, []
        for _ in range(n):
            in_drill(p)
            p.clear()
            k = p.keys
            # Each digit goes down 80 ms after the one before and that one is let go 30 ms
            # later; a digit that repeats must be let go before it goes down again.
            held = None
            for d in digits:
                if held == d:
                    k.up(held)
                    held = None
                    time.sleep(0.03)
                k.down(d)
                if held:
                    time.sleep(0.03)
                    k.up(held)
                    time.sleep(0.05)
                else:
                    time.sleep(0.08)
                held = d
            k.up(held)
            got = p.typed()
            right += got == digits
            if got != digits:
                seen.append(got)
        tally.add("overlapping digits %r give both" % digits, right, n,
                  "seen %r" % seen[:5] if seen else "")


def enter_before_release(p, tally):
    n, right, seen = count(20), 0, []
    for _ in range(n):
        in_drill(p)
        p.clear()
        task = p.task()
        answer = right_answer(task)
        before = p.settle()
        k = p.keys
        for d in answer[:-1]:
            k.tap(d)
            time.sleep(0.05)
        k.down(answer[-1])
        time.sleep(0.08)
        k.down("Return")
        time.sleep(0.03)
        k.up(answer[-1])
        time.sleep(0.05)
        k.up("Return")
        after = p.settle()
        taken = after != before and not (TASK.search(after or "") and
                                         TASK.search(after).group(4))
        right += taken
        if not taken:
            seen.append(after)
    tally.add("Enter pressed before the last digit is let go takes the answer", right, n,
              "seen %r" % seen[:3] if seen else "")


def held_through_stall(p, tally, stall):
    n, right, seen = count(10), 0, []
    for _ in range(n):
        in_drill(p)
        p.clear()
        k = p.keys
        k.down("4")
        time.sleep(1.0)
        os.kill(p.proc.pid, signal.SIGSTOP)
        time.sleep(stall / 2)
        k.up("4")
        time.sleep(stall / 2)
        os.kill(p.proc.pid, signal.SIGCONT)
        got = p.typed()
        right += got == "4"
        if got != "4":
            seen.append(got)
    tally.add("a digit held 1 s, let go in a %d ms stall, types once" % (stall * 1000), right,
              n, "seen %r" % seen[:5] if seen else "")


def holds(p, tally):
    n, right, seen = count(50), 0, []
    rnd = random.Random(7)
    for _ in range(n):
        in_drill(p)
        p.clear()
        d = rnd.choice("123456789")
        p.keys.down(d)
        time.sleep(rnd.uniform(0.5, 3.0))
        p.keys.up(d)
        got = p.typed()
        right += got == d
        if got != d:
            seen.append(got)
    tally.add("holds of 0.5-3 s type one digit each", right, n,
              "seen %r" % seen[:5] if seen else "")


def quick_typing(p, tally):
    n, right, seen = count(400), 0, []
    rnd = random.Random(11)
    words = ("11", "22", "99", "100", "1000")
    for i in range(n):
        in_drill(p)
        p.clear()
        word = words[i % len(words)]
        for d in word:
            p.keys.tap(d, rnd.uniform(0.015, 0.05))
            time.sleep(rnd.uniform(0.015, 0.08))
        got = p.typed()
        right += got == word
        if got != word:
            seen.append((word, got))
    tally.add("11, 22, 99, 100, 1000 typed 15-80 ms apart come through", right, n,
              "seen %r" % seen[:5] if seen else "")


def double_taps(p, tally):
    n, right, seen = count(20), 0, []
    rnd = random.Random(13)
    for _ in range(n):
        in_drill(p)
        p.clear()
        d = rnd.choice("123456789")
        p.keys.tap(d, 0.08)
        time.sleep(rnd.uniform(0.06, 0.12))
        p.keys.tap(d, 0.08)
        got = p.typed()
        right += got == d + d
        if got != d + d:
            seen.append(got)
    tally.add("a double tap 60-120 ms apart types twice", right, n,
              "seen %r" % seen[:5] if seen else "")


def whole_drill(p, tally):
    """Every task of a new "Till 10:an" drill (100 tasks) answered right, keys 40 ms apart:
    no answer may be taken wrong, and the drill must end after the hundredth."""
    n, right, notes = count(3), 0, []
    for _ in range(n):
        # Back to the main menu (Esc), and a new drill.
        p.keys.tap("Escape")
        wait_until(lambda: not p.task(), 5.0)
        start_drill(p)
        answered, wrong = 0, 0
        while answered < 150:
            before = p.settle()
            task = TASK.search(before or "")
            if not task:
                break
            for key in list(right_answer(task)) + ["Return"]:
                p.keys.tap(key, 0.02)
                time.sleep(0.04)
            answered += 1

            def taken():
                m = TASK.search(p.text() or "")
                return not m or not m.group(4)
            # The last answer opens the reward window, which leaves the typed answer in the
            # field; so would an Enter that was lost.
            if not wait_until(taken, 2.0):
                break
            wrong += "för" in (p.settle() or "")
        ok = answered == 100 and wrong == 0
        right += ok
        if not ok:
            notes.append((answered, wrong, p.text()))
        # The reward waits for a key once its rings are drawn.
        time.sleep(2.0)
        p.keys.tap("Escape")
        time.sleep(0.5)
    tally.add("a whole drill typed at 40 ms a key counts every right answer", right, n,
              "seen %r" % notes[:3] if notes else "")


def one_key(tally):
    """One-key scanning: Enter held 1.5 s on the main menu chooses once."""
    n, right, seen = count(5), 0, []
    for _ in range(n):
        p = Program(b"[Txt]\r\nVisa=True\r\n[Styrning]\r\nAlternativ=3\r\nIntervall=5\r\n")
        try:
            first = p.settle()
            p.keys.down("Return")
            time.sleep(1.5)
            p.keys.up("Return")
            after = p.settle()
            # One Enter opens the drill-type menu of the first item; a second would start
            # "Till 10:an" at once.
            ok = after != first and not TASK.search(after or "")
            right += ok
            if not ok:
                seen.append((first, after))
        finally:
            p.stop()
    tally.add("one-key scanning: a held Enter acts once", right, n,
              "seen %r" % seen[:3] if seen else "")


def repetition_on(tally):
    p = Program(b"[Txt]\r\nVisa=True\r\n[Styrning]\r\nTangentrepetition=True\r\n")
    try:
        start_drill(p)
        n, right, seen = count(5), 0, []
        for _ in range(n):
            in_drill(p)
            p.clear()
            p.keys.down("7")
            time.sleep(1.0)
            p.keys.up("7")
            got = p.typed() or ""
            right += len(got) >= 2
            if len(got) < 2:
                seen.append(got)
        tally.add("key repetition on: a held digit repeats", right, n,
                  "seen %r" % seen[:3] if seen else "")
    finally:
        p.stop()


CHECKS = ("overlapping", "enter", "stalls", "holds", "typing", "taps", "drill", "one-key",
          "repetition")


def main():
    """Runs the checks named on the command line after the scale, or all of them."""
    wanted = set(sys.argv[4:]) or set(CHECKS)
    began = time.monotonic()
    tally = Tally()
    p = Program(b"[Txt]\r\nVisa=True\r\n[Special]\r\nKontrollera=False\r\n")
    try:
        start_drill(p)
        steps = (("overlapping", overlapping), ("enter", enter_before_release),
                 ("stalls", lambda p, t: [held_through_stall(p, t, s) for s in (0.06, 0.2, 0.4)]),
                 ("holds", holds), ("typing", quick_typing), ("taps", double_taps),
                 ("drill", whole_drill))
        for name, check in steps:
            if name in wanted:
                check(p, tally)
    finally:
        p.stop()
    if "one-key" in wanted:
        one_key(tally)
    if "repetition" in wanted:
        repetition_on(tally)
    log("\nRun took %.0f s." % (time.monotonic() - began))
    return 1 if tally.failed else 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except RuntimeError as e:
        log("check-keys: %s" % e)
        sys.exit(2)
