#!/usr/bin/env python3
"""Writes the PNG images of the front-panel test skin (plain RGB, no libraries
needed). Magenta (FF00FF) is the transparent colour of the skin."""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..",
                                "skin", "data"))
from pngwrite import png  # noqa: E402

KEY = (0xFF, 0x00, 0xFF)


def clamp(v):
    return max(0, min(255, int(v)))


def shade(c, f):
    return tuple(clamp(v * f) for v in c)


# Panel 640 by 360: a title band (the window drags by it), a flow column on the
# left, the graph well in the middle and a preset column on the right.
def bkgrnd(x, y):
    if y < 30:
        return (0x22, 0x2C, 0x38) if y < 29 else (0x0A, 0x0E, 0x12)
    if 8 <= x <= 120 and 40 <= y <= 330:
        return (0x1A, 0x20, 0x28)
    if 500 <= x <= 632 and 40 <= y <= 330:
        return (0x1A, 0x20, 0x28)
    t = (y - 30) / 330.0
    return (clamp(0x30 - 16 * t), clamp(0x36 - 16 * t), clamp(0x3E - 16 * t))


png("bkgrnd.png", 640, 360, bkgrnd)

# Buttons: 12 sections side by side: display states 0 to 3 (plain, shown,
# section off, off and shown), each plain, hovered and held down.
STATE = [(0x4A, 0x58, 0x68), (0x2E, 0x8A, 0xC4), (0x38, 0x3C, 0x42), (0x6A, 0x6E, 0x30)]


def button_of(bw, bh):
    def button(x, y):
        s, lx = divmod(x, bw)
        state, look = divmod(s, 3)
        if (lx in (0, bw - 1)) and (y in (0, bh - 1)):
            return KEY
        base = STATE[state]
        if lx in (0, bw - 1) or y in (0, bh - 1):
            return shade(base, 0.45)
        return shade(base, [1.0, 1.25, 0.7][look] * (1.1 - 0.25 * y / bh))
    return button


png("button.png", 100 * 12, 22, button_of(100, 22))
png("smallbtn.png", 22 * 12, 18, button_of(22, 18))


# Check box: 6 sections of 18 by 18: off plain/hovered/armed, on plain/hovered/armed.
def check(x, y):
    s, lx = divmod(x, 18)
    on, look = divmod(s, 3)
    if lx in (0, 17) or y in (0, 17):
        return (0xA0, 0xA8, 0xB0) if look else (0x80, 0x88, 0x90)
    if on and 4 <= lx <= 13 and 4 <= y <= 13:
        return (0x40, 0xE0, 0x70)
    return (0x30, 0x38, 0x40) if look == 2 else (0x18, 0x1C, 0x20)


png("check.png", 18 * 6, 18, check)

# Knob: 31 sections of 40 by 40 stacked; the pointer sweeps 270 degrees.
KS, KN = 40, 31


def knob(x, y):
    s, ly = divmod(y, KS)
    dx, dy = x - 19.5, ly - 19.5
    r = math.hypot(dx, dy)
    if r > 13.5:
        return KEY
    angle = math.radians(-135 + 270.0 * s / (KN - 1))
    ux, uy = math.sin(angle), -math.cos(angle)
    along = dx * ux + dy * uy
    across = abs(dx * uy - dy * ux)
    if 4 <= along <= 12.5 and across <= 1.4:
        return (0xF0, 0xF0, 0xF0)
    if r > 12.5:
        return (0x0C, 0x0C, 0x10)
    return shade((0x70, 0x78, 0x84), 1.0 - 0.35 * ((dx + dy) / 27.0 + 0.5))


png("knob.png", KS, KS * KN, knob)


# LED ring: 24 sections of 40 by 40; section b holds LED b (2 to 22) alone.
def led(x, y):
    b, ly = divmod(y, KS)
    if b < 2 or b > 22:
        return KEY
    angle = math.radians(-135 + 270.0 * (b - 2) / 20)
    cx, cy = 19.5 + 17.5 * math.sin(angle), 19.5 - 17.5 * math.cos(angle)
    return (0xFF, 0xA8, 0x30) if math.hypot(x - cx, ly - cy) <= 1.8 else KEY


png("led.png", KS, KS * 24, led)
