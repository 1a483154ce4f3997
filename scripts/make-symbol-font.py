#!/usr/bin/env python3
"""Draws Tarnwick's symbol font, resources/fonts/tarnwick-symbols.ttf.

The printed folder listing marks a folder with "1" and a system folder with "q"
in a symbol face; this font supplies those two marks as simple filled shapes:

    "1"  an open folder: a back panel with a tab, drawn as a frame, and a
         solid front flap leaning to the right;
    "q"  a closed folder, solid, with a cog cut out of its front.

Every glyph advances by 1229 units at 2048 units per em, one column of a
Courier-compatible monospaced face, and the vertical metrics match such a face,
so a mark never shifts the text after it.

Usage:  make-symbol-font.py [OUTPUT]
The default output is resources/fonts/tarnwick-symbols.ttf in the repository
holding this script. Needs fontTools (Debian: python3-fonttools). The output is
byte-for-byte the same on every run.
"""

import math
import sys
from pathlib import Path

try:
    from fontTools.fontBuilder import FontBuilder
    from fontTools.misc.timeTools import timestampFromString
    from fontTools.pens.ttGlyphPen import TTGlyphPen
except ImportError:
    sys.exit("make-symbol-font.py: fontTools is missing (Debian: apt install python3-fonttools, "
             "then run this with the system's /usr/bin/python3)")

UNITS_PER_EM = 2048
ADVANCE = 1229          # one column of a Courier-compatible face at 2048 units per em
ASCENT = 1705
DESCENT = -615

FAMILY = "Tarnwick Symbols"
STYLE = "Regular"
VERSION = "Version 1.0"
PS_NAME = "TarnwickSymbols"

# A fixed date for head.created / head.modified keeps the output reproducible.
TIMESTAMP = timestampFromString("Mon Jan  1 00:00:00 2024")


# --- contour helpers -------------------------------------------------------
#
# TrueType fills by the non-zero rule with solid parts running clockwise and
# holes counter-clockwise (y pointing up). The helpers take the role of a
# contour and put its points in the matching order, so no shape depends on the
# order its corners happen to be listed in.

def signed_area(points):
    """Twice the signed area; positive for a counter-clockwise polygon (y up)."""
    total = 0
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        total += x0 * y1 - x1 * y0
    return total


def polygon(pen, points, hole=False):
    points = [(round(x), round(y)) for x, y in points]
    ccw = signed_area(points) > 0
    if ccw != hole:
        points.reverse()
    pen.moveTo(points[0])
    for p in points[1:]:
        pen.lineTo(p)
    pen.closePath()


def circle(pen, cx, cy, r, hole=False, segments=8):
    """A circle from quadratic arcs: on-curve points on the circle, each
    control point on the bisecting ray at r / cos(half step)."""
    step = 2 * math.pi / segments
    direction = 1 if hole else -1       # counter-clockwise for a hole
    ctrl_r = r / math.cos(step / 2)

    def at(radius, angle):
        return (round(cx + radius * math.cos(angle)), round(cy + radius * math.sin(angle)))

    pen.moveTo(at(r, 0))
    for i in range(segments):
        a = direction * i * step
        pen.qCurveTo(at(ctrl_r, a + direction * step / 2), at(r, a + direction * step))
    pen.closePath()


def cog(pen, cx, cy, tip_r, root_r, teeth, hole=False):
    """A cog outline: `teeth` trapezoidal teeth on a root circle, the first
    tooth pointing straight up."""
    pitch = 2 * math.pi / teeth
    root_half = pitch * 0.28    # half the tooth's width where it meets the root
    tip_half = pitch * 0.18     # half the width at its tip
    points = []
    for i in range(teeth):
        a = math.pi / 2 + i * pitch
        for radius, angle in ((root_r, a - root_half), (tip_r, a - tip_half),
                              (tip_r, a + tip_half), (root_r, a + root_half)):
            points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    polygon(pen, points, hole)


# --- glyphs ----------------------------------------------------------------

# Shared folder proportions: body from x 90 to 1140, a hair below the
# baseline, the back panel's top edge at 940 and the tab rising to 1100 on the
# left. At 10 pt on screen a pixel is about 150 units, so no part is thinner
# than about 150 units.
LEFT, RIGHT = 90, 1140
BOTTOM = -20
TOP = 940
TAB_TOP = 1100
TAB_RIGHT = 480         # where the tab's slope starts
TAB_SLOPE_END = 580     # where it meets the top edge


def draw_notdef():
    pen = TTGlyphPen(None)
    polygon(pen, [(150, 0), (150, 1300), (1079, 1300), (1079, 0)])
    polygon(pen, [(250, 100), (250, 1200), (979, 1200), (979, 100)], hole=True)
    return pen.glyph()


def draw_space():
    return TTGlyphPen(None).glyph()


def draw_folder():
    """Open folder: the back panel as a frame (open at the bottom, where it
    runs under the flap), and a solid flap whose top edge is lower than the
    back and sticks out to the right."""
    pen = TTGlyphPen(None)
    stroke = 160
    flap_top = 620
    flap_lean = 260     # how far the flap's top edge sits right of its bottom
    back_right = 960

    # Flap: a parallelogram from the bottom-left corner of the folder.
    flap = [(LEFT, BOTTOM), (LEFT + flap_lean, flap_top),
            (RIGHT, flap_top), (RIGHT - flap_lean, BOTTOM)]
    polygon(pen, flap)

    # Where the frame's inner left edge meets the flap's sloping left side;
    # the frame runs a little past it so the two join without a seam.
    def flap_left_x(y):
        return LEFT + flap_lean * (y - BOTTOM) / (flap_top - BOTTOM)

    inner_left = LEFT + stroke
    join_y = BOTTOM + (inner_left - LEFT) * (flap_top - BOTTOM) / flap_lean - 40
    # Inner edge of the tab's slope: the outer slope moved one stroke inward
    # (down and to the left, the right-hand side of a clockwise outline).
    dx, dy = TAB_SLOPE_END - TAB_RIGHT, TOP - TAB_TOP
    length = math.hypot(dx, dy)
    x0 = TAB_RIGHT + dy / length * stroke
    y0 = TAB_TOP - dx / length * stroke

    def inner_slope_x(y):
        return x0 + (y - y0) * dx / dy

    inner_tab_y = TAB_TOP - stroke
    inner_top_y = TOP - stroke
    frame = [
        (LEFT, BOTTOM),
        (LEFT, TAB_TOP),
        (TAB_RIGHT, TAB_TOP),
        (TAB_SLOPE_END, TOP),
        (back_right, TOP),
        (back_right, flap_top - 40),                # down into the flap
        (back_right - stroke, flap_top - 40),
        (back_right - stroke, inner_top_y),
        (inner_slope_x(inner_top_y), inner_top_y),
        (inner_slope_x(inner_tab_y), inner_tab_y),
        (inner_left, inner_tab_y),
        (inner_left, join_y),
        (flap_left_x(join_y) + 10, join_y),
        (LEFT + 10, BOTTOM),
    ]
    polygon(pen, frame)
    return pen.glyph()


def draw_system_folder():
    """Closed folder, solid, with a cog cut out of its front and a solid hub
    left in the cog's middle."""
    pen = TTGlyphPen(None)
    body = [(LEFT, BOTTOM), (LEFT, TAB_TOP), (TAB_RIGHT, TAB_TOP),
            (TAB_SLOPE_END, TOP), (RIGHT, TOP), (RIGHT, BOTTOM)]
    polygon(pen, body)
    cx, cy = (LEFT + RIGHT) / 2, 440
    cog(pen, cx, cy, tip_r=360, root_r=265, teeth=8, hole=True)
    circle(pen, cx, cy, 125)
    return pen.glyph()


def build(output):
    glyphs = {
        ".notdef": draw_notdef(),
        "space": draw_space(),
        "folder": draw_folder(),
        "systemfolder": draw_system_folder(),
    }
    order = list(glyphs)

    fb = FontBuilder(UNITS_PER_EM, isTTF=True)
    fb.updateHead(created=TIMESTAMP, modified=TIMESTAMP, fontRevision=1.0)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap({0x0020: "space", 0x0031: "folder", 0x0071: "systemfolder"})
    fb.setupGlyf(glyphs)
    glyf = fb.font["glyf"]
    fb.setupHorizontalMetrics({
        name: (ADVANCE, getattr(glyf[name], "xMin", 0)) for name in order
    })
    fb.setupHorizontalHeader(ascent=ASCENT, descent=DESCENT, lineGap=0)
    fb.setupNameTable({
        "copyright": "Part of Tarnwick; every glyph is drawn from simple geometry "
                     "by Tarnwick's scripts/make-symbol-font.py.",
        "familyName": FAMILY,
        "styleName": STYLE,
        "uniqueFontIdentifier": f"{FAMILY} {STYLE}; {VERSION}",
        "fullName": FAMILY,
        "version": VERSION,
        "psName": PS_NAME,
        "licenseDescription": "Distributed with Tarnwick under the same terms as the rest of Tarnwick.",
    })
    fb.setupOS2(
        version=4,
        fsType=0,                       # installable: PDF writers may embed it
        achVendID="TRNW",
        usWeightClass=400,
        usWidthClass=5,
        fsSelection=0x0040,             # REGULAR
        sTypoAscender=ASCENT,
        sTypoDescender=DESCENT,
        sTypoLineGap=0,
        usWinAscent=ASCENT,
        usWinDescent=-DESCENT,
        sxHeight=0,
        sCapHeight=TAB_TOP,
        usDefaultChar=0,
        usBreakChar=0x20,
        usMaxContext=0,
    )
    fb.setupPost(isFixedPitch=1)

    output.parent.mkdir(parents=True, exist_ok=True)
    fb.save(str(output))


def main(argv):
    if len(argv) > 2 or (len(argv) == 2 and argv[1] in ("-h", "--help")):
        print(__doc__.strip())
        return 0 if len(argv) == 2 else 2
    if len(argv) == 2:
        output = Path(argv[1])
    else:
        root = Path(__file__).resolve().parent.parent
        output = root / "resources" / "fonts" / "tarnwick-symbols.ttf"
    build(output)
    print(output)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
