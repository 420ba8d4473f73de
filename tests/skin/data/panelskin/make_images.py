#!/usr/bin/env python3
"""Writes the PNG images of the panel test skin (plain RGB, no libraries needed).
Magenta (FF00FF) is the transparent colour of the skin."""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pngwrite import png  # noqa: E402
from skinart import KEY, button, check_box, clamp, knob, led_ring, shade  # noqa: E402


# Panel background 480 by 300: a dark slate gradient with a title band on top.
def bkgrnd(x, y):
    if y < 30:
        return (0x2A, 0x34, 0x40) if y < 29 else (0x10, 0x14, 0x18)
    t = (y - 30) / 270.0
    return (clamp(0x28 - 14 * t), clamp(0x2E - 14 * t), clamp(0x36 - 14 * t))


png("bkgrnd.png", 480, 300, bkgrnd)

png("knob.png", 40, 40 * 31, knob(40, 31))
png("led.png", 40, 40 * 24, led_ring(40))
png("button.png", 60 * 12, 20,
    button(60, 20, [(0x4A, 0x58, 0x68), (0x2E, 0x9A, 0x4C), (0xC8, 0x8A, 0x20), (0xB8, 0x30, 0x30)]))
png("check.png", 16 * 6, 16, check_box(16))


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
