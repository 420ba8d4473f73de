#!/usr/bin/env python3
"""Writes the PNG images of the page test skin: the front-panel test skin's
images, a taller background with the page area below the frame, and a lamp
of three states (failed, good, unknown)."""
import os
import runpy
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
os.chdir(HERE)
runpy.run_path(os.path.join(HERE, "..", "frontpanel", "make_images.py"))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "skin", "data"))
from pngwrite import png  # noqa: E402

KEY = (0xFF, 0x00, 0xFF)


def clamp(v):
    return max(0, min(255, int(v)))


# Panel 640 by 720: the frame of the front-panel skin above, the page area below.
def bkgrnd(x, y):
    if y < 30:
        return (0x22, 0x2C, 0x38) if y < 29 else (0x0A, 0x0E, 0x12)
    if y >= 360:
        if 6 <= x <= 633 and 366 <= y <= 713:
            return (0x1C, 0x22, 0x2A)
        return (0x12, 0x16, 0x1C)
    if 8 <= x <= 120 and 40 <= y <= 330:
        return (0x1A, 0x20, 0x28)
    if 500 <= x <= 632 and 40 <= y <= 330:
        return (0x1A, 0x20, 0x28)
    t = (y - 30) / 330.0
    return (clamp(0x30 - 16 * t), clamp(0x36 - 16 * t), clamp(0x3E - 16 * t))


png("bkgrnd.png", 640, 720, bkgrnd)

# Lamp: 3 sections of 14 by 14 side by side: failed (red), good (green), unknown (grey).
LAMP = [(0xE0, 0x40, 0x40), (0x40, 0xE0, 0x70), (0x60, 0x68, 0x70)]


def lamp(x, y):
    s, lx = divmod(x, 14)
    d = (lx - 6.5) ** 2 + (y - 6.5) ** 2
    if d > 42:
        return KEY
    return LAMP[s] if d < 30 else (0x10, 0x14, 0x18)


png("lamp.png", 14 * 3, 14, lamp)
