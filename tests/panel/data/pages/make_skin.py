#!/usr/bin/env python3
"""Writes the page test skin: the front-panel test skin's frame (title, status,
shared graph, flow and preset columns) on a larger panel, with the objects of
the HD Out, FM Out, FM Plex, System and Test pages laid out in a grid of cells
to the right of and below the frame. Pages overlap; only one is shown at a
time. Run it in this folder; it copies the frame's images from ../frontpanel."""
import math
import os
import re
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
FRONT = os.path.join(HERE, "..", "frontpanel")
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "skin", "data"))
from pngwrite import png  # noqa: E402

KEY = (0xFF, 0x00, 0xFF)
W, H = 960, 648

# --- Images -----------------------------------------------------------------

for name in ("button.png", "smallbtn.png", "check.png", "knob.png", "led.png"):
    shutil.copy(os.path.join(FRONT, name), os.path.join(HERE, name))


def clamp(v):
    return max(0, min(255, int(v)))


def bkgrnd(x, y):
    if y < 30:
        return (0x22, 0x2C, 0x38) if y < 29 else (0x0A, 0x0E, 0x12)
    if (8 <= x <= 120 or 500 <= x <= 632) and 40 <= y <= 330:
        return (0x1A, 0x20, 0x28)
    if x >= 636 and 34 <= y <= 344:
        return (0x26, 0x2C, 0x34)
    if y >= 348:
        return (0x26, 0x2C, 0x34)
    t = (y - 30) / float(H - 30)
    return (clamp(0x30 - 16 * t), clamp(0x36 - 16 * t), clamp(0x3E - 16 * t))


png("bkgrnd.png", W, H, bkgrnd)

# Lamp: 3 sections of 14 by 14: state 0 amber, 1 green, 2 grey.
LAMP = [(0xE0, 0x90, 0x20), (0x30, 0xE0, 0x50), (0x60, 0x64, 0x68)]


def lamp(x, y):
    s, lx = divmod(x, 14)
    return LAMP[s] if math.hypot(lx - 6.5, y - 6.5) <= 6.5 else KEY


png("lamp.png", 42, 14, lamp)


# Slider: a horizontal rail 96 by 12 and a 10 by 24 thumb (two sections
# stacked: plain, held).
def hrail(x, y):
    return (0x08, 0x0A, 0x0C) if 4 <= y <= 7 else KEY


def hthumb(x, y):
    s, ly = divmod(y, 24)
    if ly in (0, 23) or x in (0, 9):
        return (0x30, 0x30, 0x30)
    return (0xE0, 0xE0, 0xD0) if x == 5 else ((0xC8, 0xCC, 0xD4) if s else (0xB0, 0xB4, 0xBC))


png("hrail.png", 96, 12, hrail)
png("hthumb.png", 10, 48, hthumb)


# Band adjuster: 4 sections of 10 by 10: linked, linked selected, independent,
# independent selected.
def adjuster(x, y):
    s, lx = divmod(x, 10)
    r = math.hypot(lx - 4.5, y - 4.5)
    if r > 4.5:
        return KEY
    if s >= 2 and r > 3.2:
        return (0xFF, 0x30, 0x30)
    return (0xFF, 0xF0, 0x40) if s % 2 else (0x30, 0x90, 0xFF)


png("adjuster.png", 40, 10, adjuster)

# --- Objects ----------------------------------------------------------------

# Cells: region A right of the frame (3 columns, 4 rows), region B below it
# (9 columns, 4 rows). A page's own graph takes the first two rows of A.
CELL_W, CELL_H = 104, 72
SLOTS = ([(640 + c * CELL_W, 56 + r * CELL_H) for r in range(4) for c in range(3)] +
         [(10 + c * CELL_W, 352 + r * CELL_H) for r in range(4) for c in range(9)])

TEXT = 'font="SMALL" color="INK"'


def caption_label(x, y, name, text):
    return (f'<label id="{name}_CAPTION"><position x="{x + 4}" y="{y + 8}" w="94" h="14"/>'
            f'<text value="{text}" x="0" y="0" align="cl" {TEXT}/></label>')


def knob_pair(x, y, knob, display, text):
    return (f'<knob id="{knob}" type="RING_BAR"><position x="{x + 30}" y="{y + 2}"/>'
            f'<bitmap kimage="KNOB_IMG" limage="LED_IMG"/>'
            f'<text value="{text}" x="-30" y="-2" align="tl" {TEXT}/></knob>\n'
            f'  <display id="{display}"><position x="{x + 4}" y="{y + 46}" w="92" h="14"/>'
            f'<text font="SMALL" x="3" y="0" align="cr"/><color fg="LCD_FG" bg="LCD_BG"/>'
            f'</display>')


def check(x, y, name, text):
    return (f'<checkbox id="{name}"><position x="{x + 4}" y="{y + 20}"/>'
            f'<bitmap image="CHECK_IMG"/>'
            f'<text value="{text}" x="22" y="0" align="cl" {TEXT}/></checkbox>')


def combo(x, y, name, text, kind):
    return (f'<combo id="{name}" type="{kind}"><position x="{x + 4}" y="{y + 24}" w="94" h="18"/>'
            f'<text font="SMALL" x="4" y="0" align="cl" color="LCD_FG"/>'
            f'<color fg="INK" bg="LCD_BG"/></combo>', caption_label(x, y, name, text))


def radio(x, y, group, items):
    rows = len(items)
    h = 11 * rows
    out = [f'<radiogroup id="{group}"><position x="{x + 4}" y="{y + 4}" w="96" h="{h}"/>']
    for i, (item, text) in enumerate(items):
        out.append(f'    <item id="{item}" x="{x + 4}" y="{y + 4 + 11 * i}" value="{text}" '
                   f'color="INK" font="SMALL"/>')
    out.append('  </radiogroup>')
    return "\n".join(out)


def button(x, y, name, text):
    return (f'<button id="{name}"><position x="{x + 2}" y="{y + 20}"/><bitmap image="BTN_IMG"/>'
            f'<text value="{text}" x="1" y="1" align="cc" font="SMALL" color="FFFFFF"/></button>')


def lampobj(x, y, name):
    return (f'<lamp id="{name}"><position x="{x + 4}" y="{y + 22}"/><bitmap image="LAMP_IMG"/>'
            f'<text value="" x="18" y="0" align="cl" {TEXT}/></lamp>')


def slider(x, y, name, text):
    return (f'<slider id="{name}" direction="horz"><position x="{x + 4}" y="{y + 24}"/>'
            f'<bitmap rail="HRAIL_IMG" thumb="HTHUMB_IMG"/>'
            f'<text value="{text}" x="0" y="-14" align="tl" {TEXT}/></slider>')


def display(x, y, name, text):
    return (f'<display id="{name}"><position x="{x + 4}" y="{y + 24}" w="94" h="14"/>'
            f'<text font="SMALL" x="3" y="0" align="cr"/><color fg="LCD_FG" bg="LCD_BG"/>'
            f'</display>', caption_label(x, y, name, text))


def page(title, free_draw, cells, graph=None):
    # The page's free-drawing area is a container of its title and captions:
    # the group binds its members and shows them with the page.
    out = [f'  <!-- {title} -->']
    captions = [f'<label id="TITLE"><position x="640" y="34" w="300" h="18"/>'
                f'<text value="{title}" x="0" y="0" align="cl" font="TITLE_FONT" color="INK"/>'
                f'</label>']
    slots = list(SLOTS)
    if graph:
        out.append(f'  <ap_graph id="{graph}"><position x="640" y="56" w="312" h="140"/>'
                   f'<color plot_bg="0A0E12" gutter_bg="161C22" gutter_fg="7C8894" '
                   f'axis_major="34404C" axis_minor="202830" audio="40C0FF"/></ap_graph>')
        slots = slots[6:]
    assert len(cells) <= len(slots), title
    for (x, y), cell in zip(slots, cells):
        kind, args = cell[0], cell[1:]
        maker = {"pair": knob_pair, "check": check, "radio": radio, "button": button,
                 "lamp": lampobj, "slider": slider, "display": display}
        made = (combo(x, y, args[0], args[1], kind.upper()) if kind in ("roll", "user")
                else maker[kind](x, y, *args))
        if isinstance(made, tuple):
            made, label = made
            captions.append(label)
        out.append("  " + made)
    out.append(f'  <container id="{free_draw}">')
    out += ["    " + c for c in captions]
    out.append('  </container>')
    return "\n".join(out)


HD = page("HD OUTPUT", "HD_FREE_DRAW", [
    ("pair", "HD_MSTR_KNOB", "HD_MSTR_DSPY", "CLIP DRV"),
    ("pair", "HD_LEVEL_KNOB", "HD_LEVEL_DSPY", "LEVEL"),
    ("pair", "HD_LIM_THR_KNOB", "HD_LIM_THR_DSPY", "THRESH"),
    ("pair", "HD_LIM_ATT_KNOB", "HD_LIM_ATT_DSPY", "ATTACK"),
    ("pair", "HD_LIM_RLS_KNOB", "HD_LIM_RLS_DSPY", "RELEASE"),
    ("pair", "HD_LIM_RLL_KNOB", "HD_LIM_RLL_DSPY", "LONG RLS"),
    ("pair", "HDO_MBLIM_DRV_KNOB", "HDO_MBLIM_DRV_DSPY", "MB DRIVE"),
    ("check", "HD_LIM_ENABLE", "LIMITER"),
    ("check", "HD_LIM_LONG", "LONG"),
    ("check", "HD_LIM_LINK", "LINK"),
    ("check", "HD_PHASE", "PHASE"),
    ("check", "HD_SWAP", "L/R SWAP"),
    ("check", "HDO_MBLIM_ENABLE", "MB LIM"),
    ("roll", "HD_LIM_CLIP", "CLIP"),
    ("roll", "HDO_MBLIM_KNEE", "KNEE"),
    ("radio", "HDO_MBLIM_TYPE", [("HDO_MBLIM_TYPE_THR", "Thresh"), ("HDO_MBLIM_TYPE_ATT", "Attack"),
                                 ("HDO_MBLIM_TYPE_REL", "Release"), ("HDO_MBLIM_TYPE_EQ", "EQ")]),
    ("user", "HDO_BCLP_DRV", "BASS DRIVE"),
    ("roll", "HDO_BCLP_STROKE", "STROKE"),
    ("user", "HDO_BCLP_TRIM", "BASS TRIM"),
    ("user", "HDO_BCLP_FREQ", "BASS FREQ"),
    ("user", "HDO_BCLP_TXTR", "TEXTURE"),
    ("roll", "HDO_BCLP_SUBON", "SUB"),
])

FM = page("FM OUTPUT", "FMO_FREE_DRAW", [
    ("pair", "FMO_MSTR_KNOB", "FMO_MSTR_DSPY", "CLIP DRV"),
    ("pair", "FMO_LIM_THR_KNOB", "FMO_LIM_THR_DSPY", "THRESH"),
    ("pair", "FMO_LIM_ATK_KNOB", "FMO_LIM_ATK_DSPY", "ATTACK"),
    ("pair", "FMO_LIM_RLS_KNOB", "FMO_LIM_RLS_DSPY", "RELEASE"),
    ("pair", "FMO_LIM_RLL_KNOB", "FMO_LIM_RLL_DSPY", "LONG RLS"),
    ("pair", "FMO_MBLIM_DRV_KNOB", "FMO_MBLIM_DRV_DSPY", "MB DRIVE"),
    ("pair", "FMO_AES_GAIN_KNOB", "FMO_AES_GAIN_DSPY", "AES GAIN"),
    ("check", "FMO_LIM_ENABLE", "LIMITER"),
    ("check", "FMO_LIM_LINK", "LINK"),
    ("check", "FMO_LIM_LONG", "LONG"),
    ("check", "FMO_MBLIM_ENABLE", "MB LIM"),
    ("check", "FMO_AES_DEEMPH", "DE-EMPH"),
    ("check", "FMO_AES_PDLY", "PRE-DELAY"),
    ("check", "FMO_MBLIM_COUPLING_W", "COUPLE W"),
    ("check", "FMO_MBLIM_COUPLING_T", "COUPLE T"),
    ("roll", "FMO_LIM_CLIP", "CLIP"),
    ("roll", "FMO_MBLIM_KNEE", "KNEE"),
    ("radio", "FMO_MBLIM_TYPE", [("FMO_MBLIM_TYPE_THR", "Thresh"), ("FMO_MBLIM_TYPE_ATT", "Attack"),
                                 ("FMO_MBLIM_TYPE_REL", "Release"),
                                 ("FMO_MBLIM_TYPE_COUPL", "Coupling"),
                                 ("FMO_MBLIM_TYPE_EQ", "EQ"), ("FMO_MBLIM_TYPE_AVEQ", "Auto EQ")]),
    ("roll", "FMO_EMP", "EMPHASIS"),
    ("button", "FMO_EMP_FLAT", "FLAT"),
    ("button", "FMO_PREEMP_50", "50 uS"),
    ("button", "FMO_PREEMP_75", "75 uS"),
    ("radio", "FMO_EMP_POS", [("FMO_EMP_POS_PREMB", "Pre-MB"), ("FMO_EMP_POS_PRELIM", "Pre-Lim"),
                              ("FMO_EMP_POS_POST", "Post")]),
    ("slider", "FMO_DELAY_C_KNOB", "DELAY"),
    ("slider", "FMO_DELAY_F_KNOB", "FINE"),
    ("display", "FMO_DELAY_DSPY", "DELAY"),
    ("user", "FMO_BCLP_DRV", "BASS DRIVE"),
    ("roll", "FMO_BCLP_STROKE", "STROKE"),
    ("user", "FMO_BCLP_TRIM", "BASS TRIM"),
    ("user", "FMO_BCLP_FREQ", "BASS FREQ"),
    ("user", "FMO_BCLP_TXTR", "TEXTURE"),
    ("roll", "FMO_BCLP_SUBON", "SUB"),
    ("roll", "FMO_DIGITAL_OUTPUT", "OUTPUT"),
], graph="FMO_GRAPH")

PLEX = page("STEREO ENCODER", "FMP_FREE_DRAW", [
    ("pair", "FMP_DRIVE_KNOB", "FMP_DRIVE_DSPY", "DRIVE"),
    ("pair", "FMP_PILOT_KNOB", "FMP_PILOT_DSPY", "PILOT"),
    ("pair", "FMP_SCA1_KNOB", "FMP_SCA1_DSPY", "SCA 1"),
    ("pair", "FMP_SCA2_KNOB", "FMP_SCA2_DSPY", "SCA 2"),
    ("pair", "FMP_TX1_KNOB", "FMP_TX1_DSPY", "TX 1"),
    ("pair", "FMP_TX2_KNOB", "FMP_TX2_DSPY", "TX 2"),
    ("pair", "FMP_OUT_KNOB", "FMP_OUT_DSPY", "ANALOG OUT"),
    ("pair", "FMP_TEST_OSC_KNOB", "FMP_TEST_OSC_DSPY", "OSC FREQ"),
    ("pair", "FMP_TEST_LVL_KNOB", "FMP_TEST_LVL_DSPY", "OSC LEVEL"),
    ("check", "FMP_PILOT_ONLY", "PILOT ONLY"),
    ("check", "FMP_TEST_OSC", "TEST OSC"),
    ("check", "FMP_BS412_I", "BS412"),
    ("radio", "FMP_ANALOG", [("FMP_ANALOG_MPX", "MPX"), ("FMP_ANALOG_LR", "L/R"),
                             ("FMP_ANALOG_LRE", "L/R emph")]),
    ("radio", "FMP_MPXPROC", [("FMP_MPXPROC_LOOK", "Look-ahead"), ("FMP_MPXPROC_HCLIP", "Hard clip")]),
    ("roll", "FMP_SBMODE", "SIDEBAND"),
    ("roll", "FMP_MPX_MODE", "MODE"),
    ("user", "FMP_PILOT_PHASE", "PILOT PHASE"),
    ("roll", "FMP_STW_LIM", "ST WIDTH"),
    ("user", "FMP_BS412_L", "BS412 LEVEL"),
])

SYSTEM = page("SYSTEM", "SYS_FREE_DRAW", [
    ("check", "SYSTEM_FOLLOW", "FOLLOW"),
    ("check", "TCP_METERS", "TCP METERS"),
    ("button", "SKIN", "SKIN"),
    ("button", "PASSWORDS", "PASSWORDS"),
    ("button", "GUIACCESS", "GUI ACCESS"),
    ("button", "GUILOCK", "GUI LOCK"),
    ("button", "EVENTSCHED", "EVENTS"),
    ("button", "TIME_SET", "TIME"),
    ("roll", "HDPN_SRC", "PHONES"),
    ("lamp", "STATUS_TEMP"),
    ("lamp", "STATUS_ANA"),
    ("lamp", "STATUS_DIG"),
])

TEST_CELLS = [("button", "CRIP_RESET1_BTN", "RESET 1"), ("button", "CRIP_RESET2_BTN", "RESET 2"),
              ("pair", "CRIP_OUT_KNOB", "CRIP_OUT_DSPY", "OUTPUT")]
for row in "FXC":
    for n in range(1, 10):
        TEST_CELLS.append(("pair", f"CRIP_{row}{n}_KNOB", f"CRIP_{row}{n}_DSPY", f"{row}{n}"))
TEST_CELLS += [("check", "HDO_BCLP_SUBIN", "HD SUB"), ("user", "HDO_BCLP_SUBINP", "HD SUB TRIM"),
               ("user", "HDO_BCLP_SUBRNG", "HD SUB RANGE"), ("check", "FMO_BCLP_SUBIN", "FM SUB"),
               ("user", "FMO_BCLP_SUBINP", "FM SUB TRIM"),
               ("user", "FMO_BCLP_SUBRNG", "FM SUB RANGE"), ("check", "SIZZLER_I", "SIZZLER"),
               ("user", "SIZZLER_L", "SIZZLE")]
TEST = page("TEST", "TEST_FREE_DRAW", TEST_CELLS)

# The frame: the front-panel skin without its spare framework-test controls.
with open(os.path.join(FRONT, "skin.xml")) as f:
    frame = f.read()
frame = frame[:frame.index("  <!-- Spare controls")]
frame = re.sub(r"<!--.*?-->\n", "", frame, count=1, flags=re.S)
frame = frame.replace('<image id="BKGRND" file="bkgrnd.png"/>',
                      '<image id="BKGRND" file="bkgrnd.png"/>\n'
                      '  <image id="LAMP_IMG" file="lamp.png" sections="3" direction="horz" '
                      'trans="FF00FF"/>\n'
                      '  <image id="HRAIL_IMG" file="hrail.png" trans="FF00FF"/>\n'
                      '  <image id="HTHUMB_IMG" file="hthumb.png" sections="2"/>\n'
                      '  <image id="MBLimDragger" file="adjuster.png" sections="4" '
                      'direction="horz" trans="FF00FF"/>\n'
                      '  <color id="MBLimitColor" rgb="FF9040"/>\n'
                      '  <color id="MBClipColor" rgb="FF4060"/>\n'
                      '  <color id="PEQ1color" rgb="50C878"/>\n'
                      '  <color id="PEQ2color" rgb="78D898"/>\n'
                      '  <color id="PEQ3color" rgb="40B0A0"/>\n'
                      '  <color id="PEQ4color" rgb="90E070"/>\n'
                      '  <color id="PEQSUMcolor" rgb="D0FFD0"/>')

with open(os.path.join(HERE, "skin.xml"), "w") as f:
    f.write(frame.replace("<skin>",
                          "<!-- Page test skin: the front-panel frame and the objects of the output,\n"
                          "     stereo encoder, system and test pages. Written by make_skin.py. -->\n"
                          "<skin>", 1))
    for p in (HD, FM, PLEX, SYSTEM, TEST):
        f.write(p + "\n\n")
    f.write("</skin>\n")
