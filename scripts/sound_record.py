"""What a listener hears: a private PulseAudio server with a null sink, a recording of its
monitor that knows when each sample arrived, the sound espeak-ng gives a text on its own, and
a comparison of the two. Imported by check-speech-steps.py.

The sink, the recording and espeak-ng all run at 22,050 Hz, mono, 16 bits, so nothing is
resampled on the way. Sound is compared by its loudness in 5 ms frames, which a few samples
of drift between the program's synthesis and ours do not change.
"""

import array
import ctypes
import math
import os
import signal
import subprocess
import threading
import time

RATE = 22050
FRAME = 110  # 5 ms
FRAME_SECONDS = FRAME / RATE
# RMS of a frame that is heard; espeak-ng's speech is 1,500-5,000, silence 0.
LOUD = 150.0


class Server:
    """pulseaudio with one null sink, on a socket of its own under `folder`."""

    def __init__(self, folder):
        self.folder = folder
        self.socket = os.path.join(folder, "native")
        self.proc = None
        os.makedirs(os.path.join(folder, "runtime"), exist_ok=True)

    def env(self):
        return {"PULSE_SERVER": "unix:" + self.socket,
                "PULSE_RUNTIME_PATH": os.path.join(self.folder, "runtime")}

    def start(self):
        env = dict(os.environ, **self.env())
        env.pop("PULSE_SERVER")
        log = open(os.path.join(self.folder, "pulseaudio.log"), "a")
        self.proc = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             "--load=module-null-sink sink_name=null rate=%d channels=1 format=s16le" % RATE,
             "--load=module-native-protocol-unix socket=%s auth-anonymous=1" % self.socket],
            stdout=log, stderr=subprocess.STDOUT, env=env)
        end = time.monotonic() + 10
        while time.monotonic() < end:
            if subprocess.run(["pactl", "info"], env=dict(os.environ, **self.env()),
                              capture_output=True).returncode == 0:
                return
            time.sleep(0.05)
        raise RuntimeError("pulseaudio did not start")

    def stop(self):
        if self.proc and self.proc.poll() is None:
            self.proc.send_signal(signal.SIGKILL)
            self.proc.wait()
        self.proc = None
        if os.path.exists(self.socket):
            os.unlink(self.socket)


class Recording:
    """The sink's monitor from now on, with the time at which each piece arrived."""

    def __init__(self, server):
        # Loudness is taken as the samples come, so frames() costs no more as it grows.
        self.loudness = []
        self.partial = array.array("h")
        self.count = 0
        self.marks = []  # (monotonic time after a read, samples read by then)
        self.lock = threading.Lock()
        self.proc = subprocess.Popen(
            ["parec", "-d", "null.monitor", "--raw", "--format=s16le", "--rate=%d" % RATE,
             "--channels=1", "--latency-msec=5"],
            stdout=subprocess.PIPE, env=dict(os.environ, **server.env()))
        self.thread = threading.Thread(target=self._read, daemon=True)
        self.thread.start()
        end = time.monotonic() + 5
        while time.monotonic() < end and not self.marks:
            time.sleep(0.01)

    def _read(self):
        rest = b""
        while True:
            data = os.read(self.proc.stdout.fileno(), 4096)
            if not data:
                return
            now = time.monotonic()
            data = rest + data
            whole = len(data) & ~1
            rest = data[whole:]
            piece = array.array("h")
            piece.frombytes(data[:whole])
            with self.lock:
                self.partial.extend(piece)
                used = len(self.partial) - len(self.partial) % FRAME
                self.loudness.extend(loudness(self.partial[:used]))
                del self.partial[:used]
                self.count += len(piece)
                self.marks.append((now, self.count))

    def stop(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()

    def sample_at(self, moment):
        """The index of the sample that reached us at `moment` (monotonic)."""
        with self.lock:
            marks = list(self.marks)
        if not marks:
            return 0
        if moment <= marks[0][0]:
            return max(0, marks[0][1] - int((marks[0][0] - moment) * RATE))
        for (t0, n0), (t1, n1) in zip(marks, marks[1:]):
            if t0 <= moment <= t1:
                return n0 + int((n1 - n0) * (moment - t0) / max(t1 - t0, 1e-9))
        return marks[-1][1] + int((moment - marks[-1][0]) * RATE)

    def frames(self):
        with self.lock:
            return list(self.loudness)


def loudness(samples):
    """RMS of each 5 ms frame."""
    out = []
    for start in range(0, len(samples) - FRAME + 1, FRAME):
        s = 0
        for v in samples[start:start + FRAME]:
            s += v * v
        out.append(math.sqrt(s / FRAME))
    return out


class Reference:
    """espeak-ng's own synthesis of a text, in the voice the program uses by default."""

    def __init__(self, voice=b"gmq/sv"):
        self.lib = ctypes.CDLL("libespeak-ng.so.1")
        callback_type = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.POINTER(ctypes.c_short),
                                         ctypes.c_int, ctypes.c_void_p)
        self.buffer = array.array("h")

        def collect(wav, count, _events):
            if wav and count > 0:
                self.buffer.extend(wav[:count])
            return 0

        self.callback = callback_type(collect)
        synchronous, dont_exit = 2, 0x8000
        if self.lib.espeak_Initialize(synchronous, 10, None, dont_exit) <= 0:
            raise RuntimeError("espeak-ng did not start")
        self.lib.espeak_SetSynthCallback(self.callback)
        self.lib.espeak_SetVoiceByName(voice)
        self.cache = {}

    def frames(self, text):
        if text not in self.cache:
            del self.buffer[:]
            data = text.encode("utf-8")
            character_positions, utf8 = 1, 1
            self.lib.espeak_Synth(data, len(data) + 1, 0, character_positions, 0, utf8,
                                  None, None)
            self.cache[text] = loudness(self.buffer)
        return self.cache[text]


def loud_span(frames):
    loud = [i for i, v in enumerate(frames) if v > LOUD]
    return (loud[0], loud[-1]) if loud else (None, None)


def onset(rec, ref, first, last):
    """The frame in [first, last] where the start of `ref` is heard: the loud frames of its
    first 60 ms line up with the recording's. None when it is not heard there."""
    ref_first, _ = loud_span(ref)
    if ref_first is None:
        return None
    probe = [v > LOUD for v in ref[ref_first:ref_first + 12]]
    for at in range(max(0, first), min(last, len(rec) - len(probe)) + 1):
        if not rec[at] > LOUD:
            continue
        same = sum(1 for k, loud in enumerate(probe) if (rec[at + k] > LOUD) == loud)
        if same >= len(probe) - 1:
            return at - ref_first
    return None


def heard_fraction(rec, ref, start, until=None):
    """How much of `ref`, placed at frame `start` of the recording, is heard: the share of its
    loud span, from its first loud frame, over which recording and reference stay loud and
    quiet together (judged over 50 ms windows), up to frame `until` of the recording."""
    ref_first, ref_last = loud_span(ref)
    if ref_first is None or start is None:
        return 0.0
    window = 10
    agreed = ref_first
    for f in range(ref_first, ref_last + 1):
        r = start + f
        if r >= len(rec) or (until is not None and r >= until):
            break
        lo = max(ref_first, f - window + 1)
        same = sum(1 for g in range(lo, f + 1)
                   if start + g < len(rec) and (rec[start + g] > LOUD) == (ref[g] > LOUD))
        if same >= 0.7 * (f - lo + 1):
            agreed = f
        elif f - agreed > window:
            break
    return (agreed - ref_first) / max(1, ref_last - ref_first)


def loud_frames(rec, first, last):
    return [i for i in range(max(0, first), min(last, len(rec))) if rec[i] > LOUD]
