#!/usr/bin/env python3
"""Writes the PNG images of the front-panel test skin (plain RGB, no libraries
needed). Magenta (FF00FF) is the transparent colour of the skin."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..",
                                "skin", "data"))
from pngwrite import png  # noqa: E402
from skinart import button, check_box, clamp, knob, led_ring  # noqa: E402


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
# Button looks: plain, its page shown, section off, off and shown.
LOOKS = [(0x4A, 0x58, 0x68), (0x2E, 0x8A, 0xC4), (0x38, 0x3C, 0x42), (0x6A, 0x6E, 0x30)]
png("button.png", 100 * 12, 22, button(100, 22, LOOKS))
png("smallbtn.png", 22 * 12, 18, button(22, 18, LOOKS))
png("check.png", 18 * 6, 18, check_box(18))
png("knob.png", 40, 40 * 31, knob(40, 31, pointer=1.4))
png("led.png", 40, 40 * 24, led_ring(40))
