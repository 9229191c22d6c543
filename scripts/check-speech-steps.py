"""Records what the program says through a sound server and checks that every text is heard
whole, from its first sound, however fast keys come.

Run by scripts/check-speech inside its own X server:
    /usr/bin/python3 check-speech-steps.py PROGRAM WORKDIR STARTS [check...]
Checks: start pace cut drill server. Keys go through XTest; the texts the program speaks,
and when, come from its speech log (QT_LOGGING_RULES sorvinel.speech.debug); a program
without that log is judged by the texts its main menu is known to speak.
"""

import contextlib
import os
import re
import shutil
import statistics
import subprocess
import sys
import threading
import time

import sound_record
from sound_record import FRAME, FRAME_SECONDS, heard_fraction, loud_frames, loud_span, onset
from x_session import Keys, main_window

PROGRAM, WORK, STARTS = sys.argv[1], sys.argv[2], int(sys.argv[3])
CHECKS = sys.argv[4:] or ["start", "pace", "cut", "drill", "server"]
MENU = ["Addition", "Subtraktion", "Multiplikation", "Division", "Blandat", "Sluta"]
SETTINGS = "[Ljud]\r\nMeny=True\r\nÖvning=True\r\n".encode("utf-8")
WHOLE = 0.8
# Longest wait from a key to the text's first sound that still counts as its start.
SEARCH = 0.4
CUT_WITHIN = 0.05
SPOKEN = re.compile(r"^sorvinel\.speech: speak: (.*)$")

server = sound_record.Server(os.path.join(WORK, "pulse"))
reference = sound_record.Reference()
latencies = []
failures = []


def log(text):
    print(text, flush=True)


def frame_of(sample):
    return sample // FRAME


class Program:
    """One start of the program in a fresh home, its speech log read as it comes."""

    def __init__(self, name, with_server=True):
        self.home = os.path.join(WORK, name)
        shutil.rmtree(self.home, ignore_errors=True)
        config = os.path.join(self.home, ".config")
        os.makedirs(config)
        with open(os.path.join(config, "PLOXA Sorvinel.ini"), "wb") as f:
            f.write(SETTINGS)
        env = dict(os.environ, HOME=self.home, XDG_CONFIG_HOME=config,
                   XDG_DATA_HOME=os.path.join(self.home, ".local", "share"),
                   QT_LOGGING_RULES="sorvinel.speech.debug=true",
                   QT_MESSAGE_PATTERN="%{category}: %{message}", **server.env())
        self.spoken = []  # (monotonic time, text)
        self.errors = []
        self.started = time.monotonic()
        self.proc = subprocess.Popen([PROGRAM], stderr=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                     env=env, text=True, errors="replace")
        with open(os.path.join(WORK, "pids", name), "w") as f:
            f.write(str(self.proc.pid))
        threading.Thread(target=self._read, daemon=True).start()
        self.keys = Keys()

    def _read(self):
        for line in self.proc.stderr:
            line = line.rstrip("\n")
            m = SPOKEN.match(line)
            if m:
                self.spoken.append((time.monotonic(), m.group(1).replace("\\n", "\n")))
            elif "error" in line.lower():
                self.errors.append(line)

    def focus(self):
        end = time.monotonic() + 10
        while time.monotonic() < end:
            window = main_window(self.proc.pid)
            if window and subprocess.run(["xdotool", "windowfocus", "--sync", window],
                                         capture_output=True).returncode == 0:
                return
            time.sleep(0.1)
        raise RuntimeError("the main window did not show")

    def press(self, key):
        """Taps `key`; returns when it went down, which is what the program answers."""
        down = time.monotonic()
        self.keys.tap(key, 0.01)
        return down

    def texts_since(self, moment):
        return [(t, s) for t, s in self.spoken if t >= moment]

    def stop(self):
        if os.environ.get("CHECK_SPEECH_VERBOSE"):
            for t, s in self.spoken:
                log("    %.3f %r" % (t - self.started, s))
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()


def judge_text(rec, frames, text, key_time, until_time=None, name="", whole=True):
    """Where `text` starts after `key_time`, and how much of it is heard before
    `until_time`. Records a failure (a text not heard from its start, or, when `whole`, not
    heard whole) and returns the onset frame."""
    ref = reference.frames(text)
    key_frame = frame_of(rec.sample_at(key_time))
    until = frame_of(rec.sample_at(until_time)) if until_time else None
    last = key_frame + int(SEARCH / FRAME_SECONDS)
    at = onset(frames, ref, key_frame, last if until is None else min(last, until))
    fraction = heard_fraction(frames, ref, at, until) if at is not None else 0.0
    first, _ = loud_span(ref)
    delay = None if at is None else (at + first - key_frame) * FRAME_SECONDS
    if delay is not None:
        latencies.append(delay)
    ok = at is not None and (fraction >= WHOLE or not whole)
    log("  %-14s %-22s heard %3d %%  first sound %s" %
        (name, repr(text)[:22], round(100 * fraction),
         "-" if delay is None else "%3d ms" % round(1000 * delay)))
    if not ok:
        failures.append("%s %r heard %d %%" % (name, text, round(100 * fraction)))
    return at


def wait_for_onset(rec, text, since, limit):
    ref = reference.frames(text)
    end = time.monotonic() + limit
    first = frame_of(rec.sample_at(since))
    while time.monotonic() < end:
        frames = rec.frames()
        at = onset(frames, ref, first, len(frames))
        if at is not None:
            return at
        time.sleep(0.1)
    return None


@contextlib.contextmanager
def started_program(name):
    """A start of the program, recorded, once its "Addition" at start is heard; both end after."""
    rec = sound_record.Recording(server)
    p = Program(name)
    try:
        wait_for_onset(rec, "Addition", p.started, 15)
        p.focus()
        yield rec, p
    finally:
        p.stop()
        rec.stop()


def menu_texts(p, keys_at, start_index):
    """The text spoken after each key: from the log when there is one, else the menu."""
    out = []
    for n, k in enumerate(keys_at):
        logged = [s for t, s in p.texts_since(k - 0.001) if t < k + SEARCH]
        out.append(logged[0] if logged else MENU[(start_index + n + 1) % len(MENU)])
    return out


def check_start():
    log("start: %d starts, \"Addition\" at start, \"Subtraktion\" after Down 1.5 s later" % STARTS)
    heard = 0
    for n in range(STARTS):
        rec = sound_record.Recording(server)
        p = Program("start%d" % n)
        try:
            at = wait_for_onset(rec, "Addition", p.started, 15)
            p.focus()
            onset_time = p.started + 3.0 if at is None else None
            if at is not None:
                # The moment "Addition" began, from its frame.
                onset_time = time.monotonic() - (len(rec.frames()) - at) * FRAME_SECONDS
            time.sleep(max(0.0, onset_time + 1.5 - time.monotonic()))
            key = p.press("Down")
            time.sleep(1.6)
            frames = rec.frames()
            before = len(failures)
            first = frame_of(rec.sample_at(p.started))
            ref = reference.frames("Addition")
            fraction = heard_fraction(frames, ref, at, frame_of(rec.sample_at(key))) if at else 0
            log("  start %2d       'Addition'             heard %3d %%" %
                (n + 1, round(100 * fraction)))
            if fraction < WHOLE:
                failures.append("start %d 'Addition' heard %d %%" % (n + 1, round(100 * fraction)))
            judge_text(rec, frames, menu_texts(p, [key], 0)[0], key, name="start %2d" % (n + 1))
            del first
            if p.errors:
                failures.append("start %d: %s" % (n + 1, p.errors[0]))
                log("  start %2d stderr: %s" % (n + 1, p.errors[0]))
            heard += len(failures) == before and not p.errors
        finally:
            p.stop()
            rec.stop()
    log("start: %d of %d starts heard whole" % (heard, STARTS))


def check_pace():
    for interval in (1.0, 1.5):
        log("pace: Down every %.1f s from the start" % interval)
        with started_program("pace") as (rec, p):
            keys = []
            for _ in range(len(MENU) - 1):
                time.sleep(max(0.0, (keys[-1] + interval if keys else 0) - time.monotonic()))
                keys.append(p.press("Down"))
            time.sleep(1.5)
            frames = rec.frames()
            texts = menu_texts(p, keys, 0)
            for n, (k, text) in enumerate(zip(keys, texts)):
                until = keys[n + 1] + CUT_WITHIN if n + 1 < len(keys) else None
                judge_text(rec, frames, text, k, until, name="every %.1f s" % interval)


def check_cut():
    log("cut: two Downs 150 ms apart; the first stops within 50 ms, the second is whole")
    with started_program("cut") as (rec, p):
        time.sleep(1.5)
        pairs = []
        for _ in range(2):
            first = p.press("Down")
            time.sleep(0.15)
            second = p.press("Down")
            pairs.append((first, second))
            time.sleep(1.6)
        frames = rec.frames()
        keys = [k for pair in pairs for k in pair]
        texts = menu_texts(p, keys, 0)
        for n, (first, second) in enumerate(pairs):
            t1, t2 = texts[2 * n], texts[2 * n + 1]
            judge_text(rec, frames, t1, first, second + CUT_WITHIN, name="cut off", whole=False)
            at = judge_text(rec, frames, t2, second, name="cutting in")
            cut_frame = frame_of(rec.sample_at(second + CUT_WITHIN))
            start2 = (at + loud_span(reference.frames(t2))[0]) if at is not None else cut_frame
            tail = loud_frames(frames, cut_frame, start2)
            log("  %r after 50 ms past the second key: %d ms" % (t1, len(tail) * 5))
            if tail:
                failures.append("%r went on %d ms past the second key + 50 ms" %
                                (t1, len(tail) * 5))


def check_drill():
    log("drill: a task, a too-high note, and the guide's \"Läs\" on a marked passage")
    with started_program("drill") as (rec, p):
        time.sleep(1.0)
        if not p.spoken:
            log("  skipped: the program writes no speech log")
            return
        p.press("Return")  # "Addition": the kind-of-exercise menu
        time.sleep(1.5)
        task_key = p.press("Return")  # "Till 10:an": the first task
        time.sleep(2.0)
        task = [s for t, s in p.texts_since(task_key)]
        numbers = re.findall(r"\d+", task[-1] if task else "")
        if len(numbers) < 2:
            failures.append("no task was spoken: %r" % task)
            return
        wrong = str(int(numbers[0]) + int(numbers[1]) + 1)
        for digit in wrong:
            p.press(digit)
            time.sleep(0.1)
        time.sleep(1.0)
        note_key = p.press("Return")
        time.sleep(2.0)
        p.press("F1")
        time.sleep(2.5)
        for _ in range(2):
            p.keys.down("Shift_L")
            p.keys.tap("Down", 0.01)
            p.keys.up("Shift_L")
            time.sleep(0.05)
        p.keys.down("Alt_L")
        read_key = p.press("l")
        p.keys.up("Alt_L")
        time.sleep(0.5)
        passage = p.texts_since(read_key)
        wait = 1.0 + len(reference.frames(passage[0][1])) * FRAME_SECONDS if passage else 2.0
        time.sleep(wait)
        frames = rec.frames()
        heard_task = [(t, s) for t, s in p.texts_since(task_key) if t < task_key + SEARCH]
        heard_note = [(t, s) for t, s in p.texts_since(note_key) if t < note_key + SEARCH]
        for name, key, items, until in (("task", task_key, heard_task, task_key + 2.0),
                                        ("note", note_key, heard_note, None),
                                        ("guide", read_key, passage[:1], None)):
            if not items:
                failures.append("nothing spoken for the %s" % name)
                log("  %s: nothing spoken" % name)
                continue
            log("  %s: spoken %d ms after its key" % (name, round(1000 * (items[-1][0] - key))))
            judge_text(rec, frames, items[-1][1], key, until, name=name)


def check_server():
    log("server: the program starts without a sound server, one starts 2 s later")
    server.stop()
    p = Program("server")
    try:
        time.sleep(6.0)  # the splash and "Addition", unheard
        server.start()
        rec = sound_record.Recording(server)
        time.sleep(2.0)
        p.focus()
        key = p.press("Down")
        time.sleep(1.6)
        judge_text(rec, rec.frames(), menu_texts(p, [key], 0)[0], key, name="server back")
        rec.stop()
        per_text = [e for e in p.errors]
        log("  error lines on stderr: %d" % len(per_text))
        if per_text:
            failures.append("stderr: %s" % per_text[0])
    finally:
        p.stop()


def main():
    os.makedirs(os.path.join(WORK, "pids"), exist_ok=True)
    server.start()
    try:
        for check in CHECKS:
            {"start": check_start, "pace": check_pace, "cut": check_cut, "drill": check_drill,
             "server": check_server}[check]()
    finally:
        server.stop()
    if latencies:
        log("key to first sound: median %d ms, worst %d ms, of %d" %
            (round(1000 * statistics.median(latencies)), round(1000 * max(latencies)),
             len(latencies)))
    log("failures: %d" % len(failures))
    for f in failures[:40]:
        log("  " + f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
