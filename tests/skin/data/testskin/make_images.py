#!/usr/bin/env python3
"""Writes the small PNG images of the test skin (plain RGB, no libraries needed)."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from pngwrite import png  # noqa: E402


# Panel background, 200 by 120.
png("bkgrnd.png", 200, 120, lambda x, y: (0x20, 0x28, 0x30))
# Knob: 5 sections of 20 by 20 stacked vertically, lighter with each section.
png("knob.png", 20, 100, lambda x, y: (40 * (y // 20), 40 * (y // 20), 200))
# Button: 12 sections of 30 by 15 side by side; the corners are magenta (the
# transparent colour of the skin).
png("button.png", 360, 15,
    lambda x, y: (0xFF, 0x00, 0xFF) if (x % 30 in (0, 29) and y in (0, 14))
    else (10 * (x // 30), 100, 100))
