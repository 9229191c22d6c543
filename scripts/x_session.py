"""The X side of the checks that drive the program in its own X server: real key events
through XTest (libXtst, by ctypes) and the program's main window. Needs no session bus."""

import ctypes
import subprocess
import time


class Keys:
    """Real key events through XTest, with exact pauses between them."""

    def __init__(self):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XStringToKeysym.restype = ctypes.c_ulong
        self.x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
        self.x11.XKeysymToKeycode.restype = ctypes.c_ubyte
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(None)
        if not self.display:
            raise RuntimeError("no X display")

    def code(self, name):
        return self.x11.XKeysymToKeycode(self.display, self.x11.XStringToKeysym(name.encode()))

    def down(self, name):
        self.xtst.XTestFakeKeyEvent(self.display, self.code(name), 1, 0)
        self.x11.XFlush(self.display)

    def up(self, name):
        self.xtst.XTestFakeKeyEvent(self.display, self.code(name), 0, 0)
        self.x11.XFlush(self.display)

    def tap(self, name, hold=0.02):
        self.down(name)
        time.sleep(hold)
        self.up(name)


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
