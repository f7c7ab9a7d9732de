#!/usr/bin/env python3
"""Draws the bitmaps of the sample skin ("Harbour": blue title bar, light grey forms).

Run it in this folder (python3 make_bitmaps.py) to rewrite every NAME.bmp; skin.txt, written by
hand, holds the colours, metrics and flags, and some of them must agree with the pictures here
(FORM, the title layout numbers). Output: 24-bit uncompressed bottom-up BMP files, magenta
(255, 0, 255) wherever a pixel is to be transparent. Standard library only.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

MAGENTA = (255, 0, 255)
WHITE = (255, 255, 255)

# Palette, shared with skin.txt where noted.
OUTLINE = (25, 55, 120)           # outer edge of the whole frame
FRAME_LIGHT = (80, 125, 205)
FRAME_MID = (55, 100, 185)
FRAME_INNER = (35, 75, 155)       # edge next to the client area
TITLE_TOP = (125, 170, 238)
TITLE_BOTTOM = (38, 84, 172)
TITLE_HIGHLIGHT = (178, 206, 247)
FORM = (232, 235, 240)            # SKIN2_FORMCOLOR
CONTROL_BORDER = (122, 138, 165)  # SKIN2_CONTROLBORDERCOLOR
FACE_TOP = (255, 255, 255)
FACE_BOTTOM = (218, 224, 234)
HOT_BORDER = (60, 120, 210)
ACCENT = (40, 95, 190)
DISABLED = (160, 166, 176)
DISABLED_FACE = (236, 237, 240)


def mix(a, b, t):
    """Colour between a (t = 0) and b (t = 1)."""
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def gradient(a, b, i, n):
    return mix(a, b, i / (n - 1) if n > 1 else 0)


class Image:
    def __init__(self, width, height, fill=MAGENTA):
        self.width, self.height = width, height
        self.px = [[fill] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = colour

    def get(self, x, y):
        return self.px[y][x]

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                self.px[y][x] = colour

    def paste(self, other, dx, dy):
        for y in range(other.height):
            for x in range(other.width):
                self.set(dx + x, dy + y, other.px[y][x])

    def mirrored(self):
        out = Image(self.width, self.height)
        out.px = [list(reversed(row)) for row in self.px]
        return out

    def turned(self):
        """Turned a quarter clockwise."""
        out = Image(self.height, self.width)
        for y in range(self.height):
            for x in range(self.width):
                out.px[x][self.height - 1 - y] = self.px[y][x]
        return out

    def save(self, name):
        stride = (self.width * 3 + 3) & ~3
        rows = bytearray()
        for y in reversed(range(self.height)):  # bottom-up
            row = bytearray()
            for r, g, b in self.px[y]:
                row += bytes((b, g, r))
            row += bytes(stride - len(row))
            rows += row
        header = struct.pack("<2sIHHI", b"BM", 54 + len(rows), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
        with open(os.path.join(HERE, name + ".bmp"), "wb") as f:
            f.write(header + info + rows)


def strip(frames):
    """Frames of equal size side by side."""
    out = Image(frames[0].width * len(frames), frames[0].height)
    for i, frame in enumerate(frames):
        out.paste(frame, i * frame.width, 0)
    return out


def outside_corner(x, y, w, h, r):
    """True for pixels cut away by rounding the corners of a w x h box with radius r."""
    cx = r - 0.5 if x < r else (w - r - 0.5 if x >= w - r else None)
    cy = r - 0.5 if y < r else (h - r - 0.5 if y >= h - r else None)
    if cx is None or cy is None:
        return False
    return (x - cx) ** 2 + (y - cy) ** 2 > (r - 0.3) ** 2


def on_rounded_edge(x, y, w, h, r):
    """True for the outermost pixels that remain of a rounded box."""
    if outside_corner(x, y, w, h, r):
        return False
    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        nx, ny = x + dx, y + dy
        if not (0 <= nx < w and 0 <= ny < h) or outside_corner(nx, ny, w, h, r):
            return True
    return False


def rounded_box(w, h, r, border, top, bottom, highlight=None):
    """A rounded box with a one-pixel border and a vertical face gradient; magenta outside."""
    img = Image(w, h)
    for y in range(h):
        for x in range(w):
            if outside_corner(x, y, w, h, r):
                continue
            if on_rounded_edge(x, y, w, h, r):
                img.set(x, y, border)
            else:
                img.set(x, y, gradient(top, bottom, y - 1, h - 2))
    if highlight:
        for x in range(w):
            if img.get(x, 1) != MAGENTA and img.get(x, 1) != border:
                img.set(x, 1, highlight)
    return img


def draw_mask(img, mask, dx, dy, colour, shadow=None):
    """Draws a glyph given as rows of '#' (and '.' for nothing), with an optional drop shadow."""
    if shadow:
        for y, row in enumerate(mask):
            for x, c in enumerate(row):
                if c == "#":
                    img.set(dx + x + 1, dy + y + 1, shadow)
    for y, row in enumerate(mask):
        for x, c in enumerate(row):
            if c == "#":
                img.set(dx + x, dy + y, colour)


# ---------------------------------------------------------------- title bar and frame
TITLE_H = 28       # height of SKIN2_TITLEBAR1/2/3 (the skin's title height)
CORNER_R = 6       # rounded top corners of the title bar
BORDER_BANDS = [OUTLINE, FRAME_LIGHT, FRAME_MID, FRAME_INNER]  # outside to inside, 4 px borders


def title_row(y):
    if y == 0:
        return OUTLINE
    if y == 1:
        return TITLE_HIGHLIGHT
    if y == TITLE_H - 1:
        return FRAME_INNER
    return gradient(TITLE_TOP, TITLE_BOTTOM, y - 2, TITLE_H - 3)


def title_middle():
    img = Image(8, TITLE_H)
    for y in range(TITLE_H):
        img.fill(0, y, 8, y + 1, title_row(y))
    return img


def title_left():
    w = 40
    img = Image(w, TITLE_H)
    for y in range(TITLE_H):
        for x in range(w):
            if outside_corner(x, y, 2 * w, 2 * TITLE_H, CORNER_R):
                continue
            if on_rounded_edge(x, y, 2 * w, 2 * TITLE_H, CORNER_R) or x == 0:
                colour = OUTLINE
            elif x == 1 and y > 0:
                colour = TITLE_HIGHLIGHT if y < TITLE_H - 1 else FRAME_LIGHT
            else:
                colour = title_row(y)
            img.set(x, y, colour)
    return img


def minimized_title():
    w, h = 40, 26
    img = Image(w, h)
    for y in range(h):
        for x in range(w):
            edge = x in (0, w - 1) or y in (0, h - 1)
            img.set(x, y, OUTLINE if edge else (TITLE_HIGHLIGHT if y == 1 else gradient(TITLE_TOP, TITLE_BOTTOM, y - 2, h - 3)))
    return img


def side_border(mirror):
    img = Image(4, 16)
    for x, colour in enumerate(BORDER_BANDS):
        img.fill(x, 0, x + 1, 16, colour)
    return img.mirrored() if mirror else img


def bottom_border():
    """Three 8 x 4 frames: left corner, stretched middle, right corner."""
    third = 8
    img = Image(3 * third, 4)
    for y in range(4):
        for x in range(3 * third):
            band = 3 - y
            if x < 4:
                band = min(band, x)
            if x >= 3 * third - 4:
                band = min(band, 3 * third - 1 - x)
            img.set(x, y, BORDER_BANDS[band])
    return img


# ---------------------------------------------------------------- caption buttons
BTN_W, BTN_H = 21, 18
GLYPHS = {
    "help": [".####.", "##..##", "....##", "...##.", "..##..", "......", "..##..", "..##.."],
    "max": ["#########", "#########", "#.......#", "#.......#", "#.......#", "#.......#", "#.......#", "#########"],
    "restore": ["..#######", "..#######", "..#.....#", "#######.#", "#######.#", "#.....###", "#.....#..",
                "#.....#..", "#######.."],
    "min": ["########", "########"],
    "close": ["##....##", "###..###", ".######.", "..####..", "..####..", ".######.", "###..###", "##....##"],
}
BUTTON_FACES = {  # state -> (top, bottom) of the glass face
    "normal": ((150, 188, 243), (62, 112, 205)),
    "hot": ((185, 215, 252), (92, 145, 232)),
    "pressed": ((52, 92, 178), (96, 142, 222)),
}
CLOSE_FACES = {
    "normal": ((236, 150, 130), (190, 62, 42)),
    "hot": ((250, 178, 160), (222, 86, 62)),
    "pressed": ((150, 42, 28), (205, 78, 56)),
}


def caption_button(glyph, state, close=False):
    top, bottom = (CLOSE_FACES if close else BUTTON_FACES)[state]
    img = rounded_box(BTN_W, BTN_H, 3, OUTLINE, top, bottom)
    if glyph:
        mask = GLYPHS[glyph]
        gx = (BTN_W - len(mask[0])) // 2 + (1 if state == "pressed" else 0)
        gy = (BTN_H - len(mask)) // 2 + (1 if state == "pressed" else 0)
        if glyph == "min":
            gy = BTN_H - 6 + (1 if state == "pressed" else 0)
        draw_mask(img, mask, gx, gy, WHITE, shadow=OUTLINE)
    return img


def title_buttons():
    # 18 frames: 1-3 plain, 4-6 help, 7-9 maximize, 10-12 restore, 13-15 minimize, 16-18 close.
    frames = []
    for glyph in (None, "help", "max", "restore", "min", "close"):
        for state in ("normal", "hot", "pressed"):
            frames.append(caption_button(glyph, state, close=glyph == "close"))
    return strip(frames)


# ---------------------------------------------------------------- push button, check box, radio button
def push_button(state):
    # 21 x 21 frames; the painter keeps the corners and stretches the middle row and column.
    if state == "normal":
        return rounded_box(21, 21, 3, CONTROL_BORDER, FACE_TOP, FACE_BOTTOM)
    if state == "hot":
        return rounded_box(21, 21, 3, HOT_BORDER, (255, 255, 255), (208, 224, 248))
    return rounded_box(21, 21, 3, ACCENT, (190, 208, 238), (228, 236, 248))


CHECK_MARK = ["......#", ".....##", "#...##.", "##.##..", ".###...", "..#...."]


def check_box(kind, enabled, flat=False):
    size = 13
    border = CONTROL_BORDER if enabled else DISABLED
    top, bottom = (FACE_TOP, FACE_BOTTOM) if enabled else (DISABLED_FACE, DISABLED_FACE)
    if flat:
        top = bottom
    img = rounded_box(size, size, 1, border, top, bottom)
    mark = ACCENT if enabled else DISABLED
    if kind == "checked":
        draw_mask(img, CHECK_MARK, 3, 3, mark)
    elif kind == "grayed":
        img.fill(4, 4, 9, 9, mix(mark, WHITE, 0.35))
    return img


def check_box_strip(flat=False):
    # 1 checked, 2 grayed, 3 unchecked, then the same three disabled.
    return strip([check_box(k, e, flat) for e in (True, False) for k in ("checked", "grayed", "unchecked")])


def radio_button(checked, enabled):
    size = 13
    img = rounded_box(size, size, 6, CONTROL_BORDER if enabled else DISABLED,
                      FACE_TOP if enabled else DISABLED_FACE, FACE_BOTTOM if enabled else DISABLED_FACE)
    if checked:
        dot = ACCENT if enabled else DISABLED
        for y in range(size):
            for x in range(size):
                if (x - 6) ** 2 + (y - 6) ** 2 <= 6.5:
                    img.set(x, y, dot)
    return img


# ---------------------------------------------------------------- scroll bars
ARROW_UP = ["...#...", "..###..", ".#####.", "#######"]


def scroll_button(state, arrow):
    faces = {"normal": (FACE_TOP, FACE_BOTTOM), "hot": ((255, 255, 255), (208, 224, 248)),
             "pressed": ((190, 208, 238), (228, 236, 248))}
    top, bottom = faces[state]
    img = rounded_box(16, 16, 2, HOT_BORDER if state != "normal" else CONTROL_BORDER, top, bottom)
    shift = 1 if state == "pressed" else 0
    if arrow == "up":
        draw_mask(img, ARROW_UP, 4 + shift, 6 + shift, ACCENT)
    elif arrow == "down":
        draw_mask(img, list(reversed(ARROW_UP)), 4 + shift, 6 + shift, ACCENT)
    else:  # a double arrow to the right
        right = ["#...", "##..", "###.", "####", "###.", "##..", "#..."]
        draw_mask(img, right, 4 + shift, 4 + shift, ACCENT)
        draw_mask(img, right, 8 + shift, 4 + shift, ACCENT)
    return img


def scroll_strip(arrow):
    return strip([scroll_button(s, arrow) for s in ("normal", "hot", "pressed")])


def scroll_thumb():
    # 16 x 21: caps in rows 0-2 and 18-20, grip lines in rows 9, 11 and 13.
    w, h = 16, 21
    img = Image(w, h)
    for y in range(h):
        for x in range(w):
            if outside_corner(x, y, w, h, 3):
                continue
            if on_rounded_edge(x, y, w, h, 3):
                img.set(x, y, ACCENT)
            elif x == 1:
                img.set(x, y, (200, 218, 248))
            else:
                img.set(x, y, (150, 182, 232))
    for y in (9, 11, 13):
        img.fill(5, y, 11, y + 1, ACCENT)
    return img


# ---------------------------------------------------------------- tabs
def tab(active):
    # One frame of the two-frame strip; itself three 8-pixel parts (left, stretched middle, right).
    w, h = 24, 22
    img = Image(w, h)
    top, bottom = ((255, 255, 255), (246, 247, 250)) if active else ((236, 239, 245), (214, 220, 232))
    for y in range(h):
        for x in range(w):
            # Rounded top corners only; the bottom stays square.
            if outside_corner(x, y, w, 2 * h, 3):
                continue
            edge = on_rounded_edge(x, y, w, 2 * h, 3)
            if edge:
                img.set(x, y, CONTROL_BORDER)
            elif not active and y == h - 1:
                img.set(x, y, CONTROL_BORDER)
            else:
                img.set(x, y, gradient(top, bottom, y, h))
    if active:
        img.fill(2, 1, w - 2, 2, (255, 200, 90))  # the selected tab's accent line
    return img


def tab_line():
    img = Image(6, 2)
    img.fill(0, 0, 6, 1, CONTROL_BORDER)
    img.fill(0, 1, 6, 2, WHITE)
    return img


# ---------------------------------------------------------------- progress bar
PROGRESS_H = 16


def progress_piece(kind):
    w = 3 if kind in ("start", "end") else 8
    img = Image(w, PROGRESS_H)
    for y in range(PROGRESS_H):
        for x in range(w):
            edge_y = y in (0, PROGRESS_H - 1)
            if kind == "fill":
                colour = CONTROL_BORDER if edge_y else gradient((150, 200, 255), (30, 100, 200), y - 1, PROGRESS_H - 2)
                if y == 1:
                    colour = (200, 228, 255)
            elif kind == "empty":
                colour = CONTROL_BORDER if edge_y else gradient((250, 251, 253), (226, 230, 238), y - 1, PROGRESS_H - 2)
            else:
                outer = x == (0 if kind == "start" else w - 1)
                corner = outer and y in (0, PROGRESS_H - 1)
                colour = MAGENTA if corner else (CONTROL_BORDER if outer or edge_y else (240, 242, 246))
            img.set(x, y, colour)
    return img


# ---------------------------------------------------------------- track bar
def track_channel():
    # Three 5 x 5 parts: rounded left end, middle, rounded right end (magenta becomes the form colour).
    img = Image(15, 5)
    rows = [(120, 130, 150), (170, 178, 192), (214, 219, 228), (240, 242, 246), WHITE]
    for y, colour in enumerate(rows):
        img.fill(0, y, 15, y + 1, colour)
    for x, y in ((0, 0), (0, 4), (14, 0), (14, 4)):
        img.set(x, y, MAGENTA)
    return img


def track_slider():
    w, h = 11, 21
    img = rounded_box(w, h, 2, ACCENT, (205, 222, 250), (120, 160, 228), highlight=WHITE)
    for y in (8, 10, 12):
        img.fill(3, y, 8, y + 1, ACCENT)
    return img


# ---------------------------------------------------------------- menus
def checked_menu_icon():
    img = Image(16, 16)
    draw_mask(img, CHECK_MARK, 4, 5, OUTLINE)
    return img


def menu_bar():
    img = Image(8, 22)
    for y in range(22):
        img.fill(0, y, 8, y + 1, gradient(FORM, (210, 218, 232), y, 22))
    return img


def side_channel_bar():
    img = Image(24, 8)
    for x in range(24):
        img.fill(x, 0, x + 1, 8, gradient((90, 130, 205), (30, 62, 135), x, 24))
    return img


def side_channel_title():
    img = Image(24, 64)
    for x in range(24):
        img.fill(x, 0, x + 1, 64, gradient((90, 130, 205), (30, 62, 135), x, 24))
    for y in range(6, 58, 4):  # a row of light dots down the middle
        img.fill(11, y, 13, y + 2, TITLE_HIGHLIGHT)
    return img


def main():
    left = title_left()
    bitmaps = {
        "SKIN2_TITLEBAR1": left,
        "SKIN2_TITLEBAR2": title_middle(),
        "SKIN2_TITLEBAR3": left.mirrored(),
        "SKIN2_FORMLEFTBORDER": side_border(False),
        "SKIN2_FORMRIGHTBORDER": side_border(True),
        "SKIN2_FORMBOTTOMBORDER1": bottom_border(),
        "SKIN2_MINIMIZEDTITLE": minimized_title(),
        "SKIN2_TITLEBUTTONS": title_buttons(),
        "SKIN2_CHECKEDMENUICON": checked_menu_icon(),
        "SKIN2_MENUBAR": menu_bar(),
        "SKIN2_BUTTON": strip([push_button(s) for s in ("normal", "hot", "pressed")]),
        "SKIN2_CHECKBOX": check_box_strip(),
        "SKIN2_CHECKBOXLIST": check_box_strip(flat=True),
        "SKIN2_RADIOBUTTON": strip([radio_button(c, e) for e in (True, False) for c in (True, False)]),
        "SKIN2_PROGRESSBAR1": progress_piece("start"),
        "SKIN2_PROGRESSBAR2": progress_piece("fill"),
        "SKIN2_PROGRESSBAR3": progress_piece("empty"),
        "SKIN2_PROGRESSBAR4": progress_piece("end"),
        "SKIN2_TRACKBAR": track_channel(),
        "SKIN2_TRACKBARSLIDER": track_slider(),
        "SKIN2_TRACKBARVSLIDER": track_slider().turned(),
        "SKIN2_SCROLLBARUPBUTTON": scroll_strip("up"),
        "SKIN2_SCROLLBAR": scroll_thumb(),
        "SKIN2_SCROLLBARDOWNBUTTON": scroll_strip("down"),
        "SKIN2_TABCONTROL": strip([tab(True), tab(False)]),
        "SKIN2_TABCONTROLLINE": tab_line(),
        "SKIN2_SIDECHANNELBAR": side_channel_bar(),
        "SKIN2_SIDECHANNELTITLE": side_channel_title(),
        "SKIN2_SCROLLBUTTON": scroll_strip("right"),
    }
    for name, img in bitmaps.items():
        img.save(name)


if __name__ == "__main__":
    main()
