#!/usr/bin/env python3
"""Writes the PNG images of the page test skin: the front-panel test skin's
images, a taller background with the page area below the frame, and a lamp
of three states (failed, good, unknown)."""
import os
import runpy
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
os.chdir(HERE)
FRAME = runpy.run_path(os.path.join(HERE, "..", "frontpanel", "make_images.py"))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "skin", "data"))
from pngwrite import png  # noqa: E402

KEY = (0xFF, 0x00, 0xFF)


# Panel 640 by 720: the frame of the front-panel skin above, the page area below.
def bkgrnd(x, y):
    if y < 360:
        return FRAME["bkgrnd"](x, y)
    if 6 <= x <= 633 and 366 <= y <= 713:
        return (0x1C, 0x22, 0x2A)
    return (0x12, 0x16, 0x1C)


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
