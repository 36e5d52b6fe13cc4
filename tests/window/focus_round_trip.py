#!/usr/bin/env python3
"""Usage: focus_round_trip.py GAME_WINDOW OTHER_WINDOW CLIENT_X CLIENT_Y
In two-player games, player 1's Up and player 2's Shift held, the other window takes the keyboard,
the key is let go there, and the keyboard comes back: the rocket must come down, or exit status 1.
Focus requests and XTEST keys go on one connection, in order, faster than a process per key.
"""
import sys
import time
from ctypes import CDLL, POINTER, Structure, c_int, c_uint, c_ulong, c_void_p, string_at

x11, xtst = CDLL("libX11.so.6"), CDLL("libXtst.so.6")


class XImage(Structure):  # as far as its pixels; a ZPixmap of 32 bits a pixel here, rows unpadded
    _fields_ = [("width_height_xoffset_format", c_int * 4), ("data", c_void_p)]


x11.XOpenDisplay.restype = c_void_p
x11.XDefaultRootWindow.restype = c_ulong
x11.XGetImage.restype = POINTER(XImage)
x11.XGetImage.argtypes = [c_void_p, c_ulong, c_int, c_int, c_uint, c_uint, c_ulong, c_int]
x11.XSetInputFocus.argtypes = [c_void_p, c_ulong, c_int, c_ulong]
display = c_void_p(x11.XOpenDisplay(None) or sys.exit("no X display"))
game, other, client_x, client_y = (int(a, 0) for a in sys.argv[1:5])


def key(name, down):
    code = x11.XKeysymToKeycode(display, x11.XStringToKeysym(name.encode()))
    xtst.XTestFakeKeyEvent(display, code, down, 0)
    x11.XSync(display, False)


def focus(window):
    x11.XSetInputFocus(display, window, 1, 0)  # RevertToPointerRoot, CurrentTime
    x11.XSync(display, False)


def rocket_top(left, right):
    """The top row of the rocket's neutral greys between the columns, leaving out the message
    label's band; None when it is gone (stars are pure white, meteors bluish)."""
    image = x11.XGetImage(display, x11.XDefaultRootWindow(display), client_x + left, client_y,
                          right - left, 240, c_ulong(-1).value, 2)  # all planes, ZPixmap
    line = 4 * (right - left)
    pixels = string_at(image.contents.data, line * 240)
    x11.XDestroyImage(image)
    for y in (y for y in range(240) if not 100 <= y <= 132):
        row = pixels[y * line:(y + 1) * line]
        if any(row[i] == row[i + 1] == row[i + 2] and 60 <= row[i] <= 250 for i in range(0, len(row), 4)):
            return y
    return None


def comes_down(name, columns, away):
    """Whether the rocket, climbing as the key is let go elsewhere, is seen coming down."""
    focus(game)
    for key_name, down in (("Escape", 1), ("Escape", 0), ("Control_L", 1), ("s", 1), ("s", 0),
                           ("Control_L", 0)):  # Esc and Ctrl+S: a new game
        key(key_name, down)
    key(name, True)
    time.sleep(0.1)
    focus(other)
    key(name, False)
    left_at, apex = time.monotonic(), 999
    try:
        while time.monotonic() - left_at < 3:
            if away is not None and time.monotonic() - left_at >= away:
                focus(game)
                away = None
            top = rocket_top(*columns)
            if top is not None:
                apex = min(apex, top)
                if top >= apex + 8:
                    return True
            time.sleep(0.005)
        return False
    finally:
        focus(game)


failed = 0
for name, player, columns in (("Up", 1, (130, 190)), ("Shift_L", 2, (50, 110))):
    for away in (0.03, 0.1, 0.6):
        ok = comes_down(name, columns, away)
        failed += not ok
        print(f"player {player}'s {name} let go {away} s away: {'came down' if ok else 'FAIL: climbed on'}")
sys.exit(1 if failed else 0)
