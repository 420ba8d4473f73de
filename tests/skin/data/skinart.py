"""Painters of the test skins' images: each returns a function of (x, y) giving
the RGB colour of a pixel, for pngwrite.png. Magenta (KEY) is the transparent
colour of the skins."""
import math

KEY = (0xFF, 0x00, 0xFF)


def clamp(v):
    return max(0, min(255, int(v)))


def shade(c, f):
    return tuple(clamp(v * f) for v in c)


def knob(size, sections, pointer=1.3):
    """Sections of size by size stacked vertically; the pointer sweeps 270 degrees."""
    mid = (size - 1) / 2.0

    def paint(x, y):
        s, ly = divmod(y, size)
        dx, dy = x - mid, ly - mid
        r = math.hypot(dx, dy)
        if r > 13.5:
            return KEY
        angle = math.radians(-135 + 270.0 * s / (sections - 1))
        ux, uy = math.sin(angle), -math.cos(angle)
        along = dx * ux + dy * uy
        across = abs(dx * uy - dy * ux)
        if 4 <= along <= 12.5 and across <= pointer:
            return (0xF0, 0xF0, 0xF0)
        if r > 12.5:
            return (0x0C, 0x0C, 0x10)
        return shade((0x70, 0x78, 0x84), 1.0 - 0.35 * ((dx + dy) / 27.0 + 0.5))
    return paint


def led_ring(size):
    """24 sections of size by size; section b holds LED b (2 to 22) alone."""
    mid = (size - 1) / 2.0

    def paint(x, y):
        b, ly = divmod(y, size)
        if b < 2 or b > 22:
            return KEY
        angle = math.radians(-135 + 270.0 * (b - 2) / 20)
        cx, cy = mid + 17.5 * math.sin(angle), mid - 17.5 * math.cos(angle)
        return (0xFF, 0xA8, 0x30) if math.hypot(x - cx, ly - cy) <= 1.8 else KEY
    return paint


def button(width, height, states):
    """12 sections side by side: display states 0 to 3 (colours `states`), each
    plain, hovered and held down."""
    def paint(x, y):
        s, lx = divmod(x, width)
        state, look = divmod(s, 3)
        if (lx in (0, width - 1)) and (y in (0, height - 1)):
            return KEY
        base = states[state]
        if lx in (0, width - 1) or y in (0, height - 1):
            return shade(base, 0.45)
        return shade(base, [1.0, 1.25, 0.7][look] * (1.1 - 0.25 * y / height))
    return paint


def check_box(size):
    """6 sections of size by size: off plain/hovered/armed, on plain/hovered/armed."""
    def paint(x, y):
        s, lx = divmod(x, size)
        on, look = divmod(s, 3)
        if lx in (0, size - 1) or y in (0, size - 1):
            return (0xA0, 0xA8, 0xB0) if look else (0x80, 0x88, 0x90)
        if on and 4 <= lx <= size - 5 and 4 <= y <= size - 5:
            return (0x40, 0xE0, 0x70)
        return (0x30, 0x38, 0x40) if look == 2 else (0x18, 0x1C, 0x20)
    return paint
