#!/usr/bin/env python3
"""Writes the PNG images of the panel test skin (plain RGB, no libraries needed).
Magenta (FF00FF) is the transparent colour of the skin."""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pngwrite import png  # noqa: E402

KEY = (0xFF, 0x00, 0xFF)


def clamp(v):
    return max(0, min(255, int(v)))


def shade(c, f):
    return tuple(clamp(v * f) for v in c)


# Panel background 480 by 300: a dark slate gradient with a title band on top.
def bkgrnd(x, y):
    if y < 30:
        return (0x2A, 0x34, 0x40) if y < 29 else (0x10, 0x14, 0x18)
    t = (y - 30) / 270.0
    return (clamp(0x28 - 14 * t), clamp(0x2E - 14 * t), clamp(0x36 - 14 * t))


png("bkgrnd.png", 480, 300, bkgrnd)

# Knob: 31 sections of 40 by 40 stacked vertically; the pointer sweeps 270 degrees.
KS = 40
KN = 31


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
    if 4 <= along <= 12.5 and across <= 1.3:
        return (0xF0, 0xF0, 0xF0)
    if r > 12.5:
        return (0x0C, 0x0C, 0x10)
    light = 1.0 - 0.35 * ((dx + dy) / 27.0 + 0.5)
    return shade((0x70, 0x78, 0x84), light)


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

# Button: 12 sections of 60 by 20 side by side: display states 0 to 3, each
# plain, hovered and held down.
BW, BH = 60, 20
STATE = [(0x4A, 0x58, 0x68), (0x2E, 0x9A, 0x4C), (0xC8, 0x8A, 0x20), (0xB8, 0x30, 0x30)]


def button(x, y):
    s, lx = divmod(x, BW)
    state, look = divmod(s, 3)
    if (lx in (0, BW - 1)) and (y in (0, BH - 1)):
        return KEY
    base = STATE[state]
    if lx in (0, BW - 1) or y in (0, BH - 1):
        return shade(base, 0.45)
    f = [1.0, 1.25, 0.7][look] * (1.1 - 0.25 * y / BH)
    return shade(base, f)


png("button.png", BW * 12, BH, button)


# Check box: 6 sections of 16 by 16: off plain/hovered/armed, on plain/hovered/armed.
def check(x, y):
    s, lx = divmod(x, 16)
    on, look = divmod(s, 3)
    if lx in (0, 15) or y in (0, 15):
        return (0xA0, 0xA8, 0xB0) if look else (0x80, 0x88, 0x90)
    if on and 4 <= lx <= 11 and 4 <= y <= 11:
        return (0x40, 0xE0, 0x70)
    return (0x30, 0x38, 0x40) if look == 2 else (0x18, 0x1C, 0x20)


png("check.png", 16 * 6, 16, check)


# Lamp: 2 sections of 12 by 12: off, on.
def lamp(x, y):
    s, lx = divmod(x, 12)
    r = math.hypot(lx - 5.5, y - 5.5)
    if r > 5.5:
        return KEY
    return (0xFF, 0x30, 0x30) if s else (0x50, 0x10, 0x10)


png("lamp.png", 24, 12, lamp)

# Sliders: a vertical rail 12 by 100 with a 24 by 10 thumb (two sections
# stacked: plain, held), and a horizontal rail 120 by 12 with a 10 by 24 thumb.


def vrail(x, y):
    return (0x08, 0x0A, 0x0C) if 4 <= x <= 7 else KEY


def hrail(x, y):
    return (0x08, 0x0A, 0x0C) if 4 <= y <= 7 else KEY


def vthumb(x, y):
    s, ly = divmod(y, 10)
    if ly in (0, 9) or x in (0, 23):
        return (0x30, 0x30, 0x30)
    return (0xE0, 0xE0, 0xD0) if ly == 5 else shade((0xB0, 0xB4, 0xBC), 1.2 if s else 1.0)


def hthumb(x, y):
    s, ly = divmod(y, 24)
    if ly in (0, 23) or x in (0, 9):
        return (0x30, 0x30, 0x30)
    return (0xE0, 0xE0, 0xD0) if x == 5 else shade((0xB0, 0xB4, 0xBC), 1.2 if s else 1.0)


png("vrail.png", 12, 100, vrail)
png("hrail.png", 120, 12, hrail)
png("vthumb.png", 24, 20, vthumb)
png("hthumb.png", 10, 48, hthumb)


# Meter bar: 6 sections of 8 by 100 side by side; 0 unlit, 1 lit (green, yellow
# near the top, red at the top), the rest repeat them.
def zone(y):
    if y < 12:
        return (0xFF, 0x30, 0x30)
    if y < 30:
        return (0xF0, 0xD0, 0x30)
    return (0x30, 0xE0, 0x50)


def bar(x, y):
    s, lx = divmod(x, 8)
    if y % 3 == 2 or lx == 7:
        return (0x08, 0x08, 0x08)
    return zone(y) if s % 2 else shade(zone(y), 0.22)


png("bar.png", 48, 100, bar)


def ovr(x, y):
    s, lx = divmod(x, 8)
    if lx == 7:
        return (0x08, 0x08, 0x08)
    return (0xFF, 0x20, 0x20) if s % 2 else (0x48, 0x10, 0x10)


png("ovr.png", 48, 6, ovr)
