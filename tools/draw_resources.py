#!/usr/bin/env python3
"""Draw Pennywhist's resource artwork.

Run from the repository root:

    python3 tools/draw_resources.py

and the toolbar strips, sort arrows, icons and About banner are written to
src/resources/art/.  Everything is drawn from the pixel grids and shapes in
this file with the Python standard library only, and the output is the same,
byte for byte, on every run.

Files written (resource ids as used by the .rc file):

    pennywhist.ico      101  program icon, 16/24/32/48 px, 32bpp with alpha
    toolbar16.bmp       102  toolbar strip, 96x16, 16 colours (VGA palette)
    toolbar256.bmp      103  toolbar strip, 96x16, 256-colour palette
    account_stats.ico   119  side panel heading, 16/24/32 px
    bills_deposits.ico  121  side panel heading, 16/24/32 px
    sort_down.bmp       123  list header sort arrow, 9x9, 16 colours
    sort_up.bmp         124  list header sort arrow, 9x9, 16 colours
    tick.ico            131  wizard step done, 16/24/32 px
    about_banner.bmp    133  About box banner, 115x19, 16 colours (VGA palette)
    toolbar24.bmp       145  toolbar strip at 150 %, 144x24, 256-colour palette
    toolbar32.bmp       146  toolbar strip at 200 %, 192x32, 256-colour palette
    sort_down14.bmp     147  sort arrow at 150 %, 14x14, 16 colours
    sort_up14.bmp       148  sort arrow at 150 %, 14x14, 16 colours
    sort_down18.bmp     149  sort arrow at 200 %, 18x18, 16 colours
    sort_up18.bmp       150  sort arrow at 200 %, 18x18, 16 colours
    about_banner150.bmp 151  About box banner at 150 %, 173x29, 16 colours
    about_banner200.bmp 152  About box banner at 200 %, 230x38, 16 colours

The toolbar strips are loaded with LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS.
That turns the colour of the first pixel (the silver 192,192,192 background)
into the button face, and maps grey 128 / silver 192 / 223 to the 3-D shadow,
face and light colours.  So silver appears only as background, and the art
keeps clear of 128 and 223 except where a themed shadow is wanted.  The 24
and 32 px strips keep clear of them altogether, and their pictures have hard
edges, as the face behind them may be any colour.
"""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.normpath(os.path.join(HERE, '..', 'src', 'resources', 'art'))


# ---------------------------------------------------------------------------
# File writers
# ---------------------------------------------------------------------------

def _file_header(total_size, bits_offset):
    return struct.pack('<2sIHHI', b'BM', total_size, 0, 0, bits_offset)


def _info_header(width, height, bpp, image_size, colours_used):
    # 2835 pixels per metre is 72 dpi; nothing reads it, but leave it sane.
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bpp, 0,
                       image_size, 2835, 2835, colours_used, 0)


def write_indexed_bmp(path, width, height, bpp, palette, rows):
    """Write a bottom-up BI_RGB bitmap with a colour table.

    rows are top-down lists of palette indices; palette is a list of RGB
    tuples, padded here to the full table size for the bit depth."""
    n_colours = 1 << bpp
    assert len(palette) <= n_colours
    table = list(palette) + [(0, 0, 0)] * (n_colours - len(palette))
    stride = ((width * bpp + 31) // 32) * 4
    data = bytearray()
    for row in reversed(rows):
        assert len(row) == width
        line = bytearray()
        if bpp == 8:
            line.extend(row)
        elif bpp == 4:
            for x in range(0, width, 2):
                hi = row[x]
                lo = row[x + 1] if x + 1 < width else 0
                line.append((hi << 4) | lo)
        else:
            raise ValueError('unsupported depth')
        line.extend(b'\0' * (stride - len(line)))
        data.extend(line)
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in table)
    offset = 14 + 40 + len(pal)
    with open(path, 'wb') as f:
        f.write(_file_header(offset + len(data), offset))
        f.write(_info_header(width, height, bpp, len(data), n_colours))
        f.write(pal)
        f.write(bytes(data))


def _icon_image(size, rgba_rows):
    """One 32bpp icon image: header, BGRA bottom-up, then the AND mask."""
    xor = bytearray()
    for row in reversed(rgba_rows):
        for (r, g, b, a) in row:
            if a == 0:
                xor.extend(b'\0\0\0\0')
            else:
                xor.extend((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rgba_rows):
        line = bytearray(mask_stride)
        for x, px in enumerate(row):
            if px[3] == 0:
                line[x >> 3] |= 0x80 >> (x & 7)
        mask.extend(line)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def write_ico(path, images):
    """images: list of (size, rgba_rows) -> .ico with BMP-format entries."""
    blobs = [(size, _icon_image(size, rows)) for size, rows in images]
    out = bytearray(struct.pack('<HHH', 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for size, blob in blobs:
        dim = 0 if size >= 256 else size
        out.extend(struct.pack('<BBBBHHII', dim, dim, 0, 0, 1, 32,
                               len(blob), offset))
        offset += len(blob)
    for _, blob in blobs:
        out.extend(blob)
    with open(path, 'wb') as f:
        f.write(bytes(out))


# ---------------------------------------------------------------------------
# Colours
# ---------------------------------------------------------------------------

# The standard Windows 16-colour (VGA) palette, in its usual order.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, \
    GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(16)

FACE = (192, 192, 192)      # button face; the transparent toolbar colour
SHADOW = (128, 128, 128)    # 3-D shadow under LR_LOADMAP3DCOLORS
LIGHT = (223, 223, 223)     # 3-D light under LR_LOADMAP3DCOLORS


def mix(c0, c1, t):
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def to_byte(v):
    v = int(v + 0.5)
    return 0 if v < 0 else 255 if v > 255 else v


# ---------------------------------------------------------------------------
# Toolbar: pixel grids
# ---------------------------------------------------------------------------
#
# Each button image is a 16x16 grid of role letters.  A role has a colour for
# the 16-colour strip (a VGA palette index) and one for the 256-colour strip,
# where the extra roles (highlights, half shades) get their own colours and
# collapse onto the nearest VGA colour in the small strip.

ROLES = {
    # role: (VGA index, 256-colour RGB)
    '.': (SILVER, FACE),                 # background, becomes button face

    # paper
    'K': (BLACK, (52, 58, 72)),          # paper / generic outline
    'W': (WHITE, (255, 255, 255)),       # paper
    'w': (WHITE, (234, 238, 244)),       # paper, shaded edge
    'F': (GREY, (196, 204, 218)),        # page fold (themed shadow in 16c)
    'f': (WHITE, (240, 243, 248)),       # page fold, lit side
    'L': (TEAL, (122, 160, 196)),        # ruled lines / writing
    'l': (TEAL, (88, 128, 172)),         # heading line

    # green plus
    'D': (GREEN, (22, 100, 38)),         # outline
    'G': (LIME, (62, 160, 68)),          # fill
    'H': (LIME, (150, 222, 128)),        # highlight
    'g': (GREEN, (40, 132, 52)),         # shade

    # red cross
    'R': (MAROON, (132, 22, 22)),        # outline
    'r': (RED, (214, 48, 40)),           # fill
    'q': (RED, (246, 128, 108)),         # highlight
    'Q': (MAROON, (176, 34, 30)),        # shade

    # gold (pencil body, coins)
    'O': (OLIVE, (138, 92, 12)),         # outline
    'Y': (YELLOW, (240, 192, 52)),       # fill
    'Z': (WHITE, (255, 238, 160)),       # highlight
    'y': (OLIVE, (204, 148, 28)),        # shade
    'x': (YELLOW, (216, 160, 36)),       # coin shade

    # pencil details
    'T': (WHITE, (246, 214, 164)),       # bare wood
    't': (OLIVE, (214, 170, 112)),       # bare wood, shade
    'N': (BLACK, (70, 70, 78)),          # graphite
    'M': (WHITE, (214, 220, 228)),       # ferrule / rings, lit
    'm': (GREY, (150, 158, 170)),        # ferrule / rings, shade
    'P': (RED, (232, 128, 140)),         # eraser
    'p': (MAROON, (196, 88, 104)),       # eraser shade

    # bank
    'c': (TEAL, (58, 138, 126)),         # copper-green roof
    'C': (TEAL, (128, 200, 180)),        # roof highlight
    'e': (TEAL, (36, 104, 96)),          # roof shade
    'S': (WHITE, (246, 242, 230)),       # stone, lit
    's': (GREY, (186, 180, 164)),        # stone, shade
    'n': (NAVY, (44, 58, 92)),           # dark between columns
    'k': (BLACK, (40, 44, 52)),          # heavy outline

    # calendar
    'A': (RED, (204, 56, 48)),           # header
    'a': (MAROON, (160, 32, 30)),        # header shade
    'I': (RED, (236, 118, 98)),          # header highlight
    'd': (NAVY, (96, 112, 140)),         # day marks
    'h': (GREEN, (46, 150, 64)),         # a deposit
    'z': (RED, (214, 52, 44)),           # a bill due

    # category folders
    'B': (BLUE, (76, 128, 214)),         # blue folder
    'b': (NAVY, (38, 70, 150)),          # blue folder outline / shade
    'V': (BLUE, (150, 190, 240)),        # blue folder highlight
    'E': (GREEN, (100, 190, 90)),        # green folder
    'J': (BLACK, (30, 110, 44)),         # green folder outline
    'j': (LIME, (170, 230, 150)),        # green folder highlight
    'U': (YELLOW, (242, 196, 64)),       # gold folder
    'u': (OLIVE, (150, 104, 16)),        # gold folder outline
    'v': (YELLOW, (255, 234, 160)),      # gold folder highlight
}


def overlay(base, top):
    """Lay grid `top` over `base`; '.' in `top` leaves `base` showing."""
    out = []
    for brow, trow in zip(base, top):
        out.append(''.join(b if t == '.' else t for b, t in zip(brow, trow)))
    return out


PAGE = [
    '................',
    '..KKKKKKKK......',
    '..KWWWWWWKK.....',
    '..KWWWWWWKfK....',
    '..KWWWWWWKfFK...',
    '..KWWWWWWKKKKK..',
    '..KWWWWWWWWWwK..',
    '..KWWWWWWWWWwK..',
    '..KWWWWWWWWWwK..',
    '..KWWWWWWWWWwK..',
    '..KWWWWWWWWWwK..',
    '..KWWWWWWWWWwK..',
    '..KWWWWWWWWWwK..',
    '..KwwwwwwwwwwK..',
    '..KKKKKKKKKKKK..',
    '................',
]

PAGE_TEXT = [
    '................',
    '................',
    '................',
    '....llll........',
    '................',
    '................',
    '................',
    '....LLLLLLL.....',
    '................',
    '....LLLLLLL.....',
    '................',
    '....LLLLL.......',
    '................',
    '................',
    '................',
    '................',
]

PLUS = [
    '................',
    '................',
    '................',
    '................',
    '................',
    '................',
    '................',
    '................',
    '..........DDDD..',
    '..........DHGD..',
    '........DDDHGDDD',
    '........DHHHHGgD',
    '........DGGGGggD',
    '........DDDGgDDD',
    '..........DGgD..',
    '..........DDDD..',
]

CROSS = [
    '................',
    '................',
    '................',
    '................',
    '................',
    '................',
    '................',
    '.......RR...RR..',
    '......RqqR.RqrR.',
    '......RqrrRrrQR.',
    '.......RrrrrQR..',
    '........RrrQR...',
    '.......RrrQrrR..',
    '......RrrQRQrQR.',
    '......RrQR.RQQR.',
    '.......RR...RR..',
]


def pencil():
    """A pencil lying from the top-right corner down to a point at the
    bottom-left, built along the 45 degree diagonals so every edge is a
    clean one-pixel staircase."""
    grid = [['.'] * 16 for _ in range(16)]
    centre = 16          # the pencil's axis is the diagonal x + y == 16
    tip_v = -10          # x - y at the point
    end_v = 13           # x - y at the end of the eraser
    for y in range(16):
        for x in range(16):
            k = x + y - centre      # across the pencil, -2 .. 2
            d = (x - y) - tip_v     # along it, 0 at the point
            if abs(k) > 2 or d < 0 or (x - y) > end_v:
                continue
            if d == 0:
                role = 'N' if k == 0 else None
            elif d == 1:
                role = 'N' if abs(k) == 1 else None
            elif d <= 5:
                # sharpened wood, opening out from the point
                if abs(k) == 2:
                    role = 'K'
                elif k == -1:
                    role = 'T'
                else:
                    role = 'T' if d <= 3 else 't'
            elif (x - y) <= end_v - 6:
                role = {-2: 'O', -1: 'Z', 0: 'Y', 1: 'y', 2: 'O'}[k]
            elif (x - y) <= end_v - 4:
                role = {-2: 'K', -1: 'M', 0: 'M', 1: 'm', 2: 'K'}[k]
            elif (x - y) < end_v:
                role = {-2: 'K', -1: 'P', 0: 'P', 1: 'p', 2: 'K'}[k]
            else:
                role = 'K' if abs(k) <= 1 else None
            if role:
                grid[y][x] = role
    # close off the end of the eraser
    for x, y in ((14, 1), (15, 2)):
        if grid[y][x] == '.':
            grid[y][x] = 'K'
    return [''.join(r) for r in grid]


BANK = [
    '................',
    '.......kkk......',
    '.....kkCCckk....',
    '...kkCccYccekk..',
    '.kkCcccccccceekk',
    '.kkkkkkkkkkkkkkk',
    '..kSSSSSSSSSSsk.',
    '..kkkkkkkkkkkkk.',
    '..kSsnSsnSsnSsk.',
    '..kSsnSsnSsnSsk.',
    '..kSsnSsnSsnSsk.',
    '..kSsnSsnSsnSsk.',
    '..kSsnSsnSsnSsk.',
    '.kkkkkkkkkkkkkkk',
    '.kSSSSSSSSSSSSsk',
    '.kkkkkkkkkkkkkkk',
]

CALENDAR = [
    '................',
    '....k.....k.....',
    '.kkkMkkkkkMkk...',
    '.kIImIIIIImIk...',
    '.kIAAAAAAAAAk...',
    '.kaaaaaaaaaak...',
    '.kkkkkkkkkkkk...',
    '.kWWWWWWWWWwk...',
    '.kWdWdWzWdWwk...',
    '.kWWWWWWWWWwk...',
    '.kWdWhWdWdWwk...',
    '.kWWWWWWWWWwk...',
    '.kWdWdWdWdWwk...',
    '.kwwwwwwwwwwk...',
    '.kkkkkkkkkkkk...',
    '................',
]

COIN = [
    '................',
    '................',
    '................',
    '................',
    '................',
    '................',
    '................',
    '................',
    '................',
    '..........OOO...',
    '.........OZZYO..',
    '........OZYYYxO.',
    '........OYYYxxO.',
    '........OYxxxxO.',
    '.........OxxxO..',
    '..........OOO...',
]

def bevel(mask, outline, light, body, dark):
    """Turn a set of (x, y) pixels into role letters: a one-pixel outline
    round the edge, a lit inner edge at the top and left, a shaded one at the
    bottom and right, and `body` in between."""
    def inside(x, y):
        return (x, y) in mask

    cells = {}
    for (x, y) in mask:
        if not all(inside(x + dx, y + dy)
                   for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
            cells[(x, y)] = outline
    for (x, y) in mask:
        if (x, y) in cells:
            continue
        if cells.get((x, y - 1)) == outline or cells.get((x - 1, y)) == outline:
            cells[(x, y)] = light
        elif cells.get((x, y + 1)) == outline or \
                cells.get((x + 1, y)) == outline:
            cells[(x, y)] = dark
        else:
            cells[(x, y)] = body
    return cells


def index_folder(top, tab_x0, tab_x1):
    """Pixels of a folder whose body starts at row `top`, with a tab
    sticking up between columns tab_x0 and tab_x1."""
    mask = {(x, y) for x in range(1, 15) for y in range(top, 15)}
    mask |= {(x, y) for x in range(tab_x0, tab_x1 + 1)
             for y in range(top - 2, top)}
    mask -= {(tab_x0, top - 2), (tab_x1, top - 2)}     # soften the corners
    return mask


def categories():
    """Three coloured folders stacked like a card index, tabs staggered."""
    grid = [['.'] * 16 for _ in range(16)]
    layers = [
        ((3, 1, 6), ('b', 'V', 'B', 'b')),      # blue, at the back
        ((6, 5, 10), ('u', 'v', 'U', 'x')),     # gold
        ((9, 9, 14), ('J', 'j', 'E', 'g')),     # green, in front
    ]
    for (top, x0, x1), roles in layers:
        for (x, y), role in bevel(index_folder(top, x0, x1), *roles).items():
            grid[y][x] = role
    return [''.join(r) for r in grid]


def toolbar_images():
    new = overlay(overlay(PAGE, PAGE_TEXT), PLUS)
    edit = overlay(overlay(PAGE, PAGE_TEXT), pencil())
    delete = overlay(overlay(PAGE, PAGE_TEXT), CROSS)
    bills = overlay(CALENDAR, COIN)
    images = [new, edit, delete, BANK, bills, categories()]
    for img in images:
        assert len(img) == 16 and all(len(r) == 16 for r in img), img
        assert img[0][0] == '.'
    return images


def toolbar_strip():
    """The six images side by side as rows of role letters (96 x 16)."""
    images = toolbar_images()
    return [''.join(img[y] for img in images) for y in range(16)]


def write_toolbar16(path):
    strip = toolbar_strip()
    rows = [[ROLES[ch][0] for ch in row] for row in strip]
    assert all(ROLES[ch][0] != SILVER for row in strip for ch in row
               if ch != '.')
    write_indexed_bmp(path, 96, 16, 4, VGA, rows)


def write_toolbar_strip(path, rgb_rows):
    """An 8-bit toolbar strip from rows of RGB tuples.  Background first,
    then the other colours in the order they are met, so the table is stable
    and index 0 is the transparent face colour."""
    palette = [FACE]
    index = {FACE: 0}
    rows = []
    for row in rgb_rows:
        out = []
        for rgb in row:
            if rgb not in index:
                index[rgb] = len(palette)
                palette.append(rgb)
            out.append(index[rgb])
        rows.append(out)
    # silver only as the background; no stray 3-D greys in the table
    assert palette.count(FACE) == 1 and len(palette) <= 256
    assert SHADOW not in palette and LIGHT not in palette
    write_indexed_bmp(path, len(rows[0]), len(rows), 8, palette, rows)


def write_toolbar256(path):
    write_toolbar_strip(path, [[ROLES[ch][1] for ch in row]
                               for row in toolbar_strip()])


# ---------------------------------------------------------------------------
# Toolbar at 24 and 32 px (150 % and 200 % screen scaling)
# ---------------------------------------------------------------------------
#
# The same six designs, drawn again for each size rather than blown up.
# Shapes are cut out of the pixel grid by sampling a distance function at the
# pixel centres, so every pixel is either button face or solid picture (the
# face colour is not known in advance, so a blend with silver would show as a
# grey fringe).  Each shape then gets a one-pixel outline and a lit and a
# shaded inner rim, as the 16 px pictures have; gradients stay inside.  The
# distance functions and colour ramps are the icon renderer's, further down.

N4 = ((1, 0), (-1, 0), (0, 1), (0, -1))


def role(ch):
    return ROLES[ch][1]


def box_cells(x0, y0, x1, y1):
    """Pixels of the box with corners (x0, y0) and (x1, y1), inclusive."""
    return {(x, y) for x in range(x0, x1 + 1) for y in range(y0, y1 + 1)}


def rim(cells):
    """The pixels of a set with a side open to the outside: a one-pixel
    outline that follows diagonals as a clean staircase."""
    return {(x, y) for (x, y) in cells
            if any((x + dx, y + dy) not in cells for dx, dy in N4)}


class Pixels:
    """An n x n picture: an RGB tuple per pixel, None for the button face."""

    def __init__(self, n):
        self.n = n
        self.px = [[None] * n for _ in range(n)]

    def cells(self, sdf):
        return {(x, y) for y in range(self.n) for x in range(self.n)
                if sdf(x + 0.5, y + 0.5) < 0.0}

    def put(self, cells, colour):
        for (x, y) in cells:
            if 0 <= x < self.n and 0 <= y < self.n:
                self.px[y][x] = _paint_at(colour, x, y)

    def shape(self, cells, line, body, lit=None, shade=None, top=1):
        """Outline round the edge of `cells`, a lit rim inside it where the
        edge faces up or left, a shaded one where it faces down or right.
        With top=2 the light is more from above than from the left, which
        lights the upper sides of a stroke falling from left to right."""
        edge = rim(cells)
        for (x, y) in cells:
            if (x, y) in edge:
                c = line
            else:
                facing = (((x - 1, y) in edge) - ((x + 1, y) in edge) +
                          top * (((x, y - 1) in edge) - ((x, y + 1) in edge)))
                if facing > 0 and lit is not None:
                    c = lit
                elif facing < 0 and shade is not None:
                    c = shade
                else:
                    c = body
            self.put({(x, y)}, c)


def _paint_at(colour, x, y):
    return colour(x + 0.5, y + 0.5) if callable(colour) else colour


# --- sheet of paper --------------------------------------------------------

# left, top, right, bottom (inclusive) and the size of the folded corner
BIG_PAGE = {24: (3, 1, 20, 22, 6), 32: (4, 2, 27, 29, 8)}

# ruled lines: (row, first column, last column, role); a two-row heading
BIG_PAGE_TEXT = {
    24: [(4, 6, 11, 'l'), (5, 6, 11, 'l'), (9, 6, 17, 'L'), (12, 6, 17, 'L'),
         (15, 6, 17, 'L'), (18, 6, 13, 'L')],
    32: [(6, 8, 16, 'l'), (7, 8, 16, 'l'), (12, 8, 23, 'L'), (15, 8, 23, 'L'),
         (18, 8, 23, 'L'), (21, 8, 23, 'L'), (24, 8, 17, 'L')],
}


def big_page(p):
    x0, y0, x1, y1, f = BIG_PAGE[p.n]
    xf = x1 - f        # where the fold starts along the top
    sheet = {(x, y) for (x, y) in box_cells(x0, y0, x1, y1)
             if x - xf <= y - y0}
    p.shape(sheet, role('K'), role('W'), shade=role('w'))
    fold = {(x, y) for (x, y) in box_cells(xf, y0, x1, y0 + f)
            if x - xf <= y - y0}
    # the turned-over corner: lit next to the page, shaded under the crease
    p.shape(fold, role('K'),
            linear(xf, y0 + f, role('f'), x1, y0, role('F')))
    for y, a, b, ch in BIG_PAGE_TEXT[p.n]:
        p.put(box_cells(a, y, b, y), role(ch))


# --- green plus, red cross, pencil -----------------------------------------

# left, top, overall size and arm thickness, outline included
BIG_PLUS = {24: (12, 12, 12, 6), 32: (16, 16, 16, 8)}


def big_plus(p):
    x, y, size, arm = BIG_PLUS[p.n]
    a = (size - arm) // 2
    cells = box_cells(x, y + a, x + size - 1, y + a + arm - 1) | \
        box_cells(x + a, y, x + a + arm - 1, y + size - 1)
    p.shape(cells, role('D'), role('G'), lit=role('H'), shade=role('g'))


# left, top, size of the square it fills, pixels across a stroke in a row
BIG_CROSS = {24: (10, 11, 13, 6), 32: (14, 15, 17, 7)}


def big_cross(p):
    """Two strokes along the 45 degree diagonals of a square, so their sides
    are clean one-pixel staircases; each the other's mirror image."""
    x0, y0, size, across = BIG_CROSS[p.n]
    lo, hi = -(across // 2), (across - 1) // 2
    down = x0 - y0                      # x - y along one diagonal
    up = x0 + y0 + size - 1             # x + y along the other
    cells = {(x, y) for (x, y) in box_cells(x0, y0, x0 + size - 1,
                                            y0 + size - 1)
             if lo <= x - y - down <= hi or -hi <= x + y - up <= -lo}
    p.shape(cells, role('R'), role('r'), lit=role('q'), shade=role('Q'),
            top=2)


# axis (x + y), half width across, x - y at the point and at the end cap,
# then lengths along the pencil of the bare lead, the sharpened wood, the
# ferrule and the eraser
BIG_PENCIL = {24: (24, 3, -16, 19, 1, 7, 3, 5),
              32: (32, 4, -20, 26, 2, 9, 4, 5)}


def big_pencil(p):
    """The pencil of the 16 px picture: built on the 45 degree diagonals so
    the sides are clean staircases, with the cone's edges along the rows and
    columns."""
    axis, hw, tip, end, lead, wood, ferrule, eraser = BIG_PENCIL[p.n]
    paint = end - eraser - ferrule      # x - y where the paint stops
    lacquer = {-hw + 1: 'Z', hw - 1: 'y'}
    if hw >= 4:
        lacquer.update({-hw + 2: 'Z', hw - 2: 'y'})   # hexagonal facets
    for y in range(p.n):
        for x in range(p.n):
            k = x + y - axis       # across the pencil
            d = x - y - tip        # along it, 0 at the point
            if abs(k) > hw or abs(k) > d or x - y > end:
                continue           # outside the pencil or its cone
            ch = None
            if d <= lead:
                ch = 'N'
            elif abs(k) == min(d, hw):
                ch = 'K'
            elif d <= wood + (hw - abs(k)) // 2:
                # bare wood; the paint ends in a shallow scallop
                ch = 'T' if k <= 0 else 't'
            elif x - y < paint:
                ch = lacquer.get(k, 'Y')
            elif x - y < paint + ferrule:
                # metal, with a crimped ring round the middle when there
                # is room for one
                ring = ferrule >= 4 and x - y - paint == ferrule // 2
                ch = 'K' if abs(k) == hw else 'm' if k > 0 or ring else 'M'
            elif x - y < end:
                ch = 'K' if abs(k) == hw else 'p' if k > 0 else 'P'
            elif abs(k) < hw:
                ch = 'K'
            if ch:
                p.put({(x, y)}, role(ch))


# --- bank ------------------------------------------------------------------

# Rows top to bottom: the roof's peak row, its half width there, and its
# bottom (cornice) row; the frieze's bottom row; the columns' bottom row; the
# two steps' bottom rows.  Then the outer left and right columns, and the
# width of a column and of the gap between two.
BIG_BANK = {
    24: dict(peak=1, half=2, cornice=7, frieze=10, columns=18, steps=(20, 22),
             left=1, right=22, col=3, gap=2),
    32: dict(peak=1, half=3, cornice=8, frieze=12, columns=25, steps=(28, 30),
             left=1, right=30, col=5, gap=2),
}


def big_bank(p):
    b = BIG_BANK[p.n]
    left, right = b['left'], b['right']
    mid2 = left + right                  # twice the centre line
    upper, lower = b['steps']
    # the building, bottom up, so each outline row is shared
    p.shape(box_cells(left, upper, right, lower),
            role('k'), role('S'), shade=role('s'))
    p.shape(box_cells(left + 1, b['columns'], right - 1, upper),
            role('k'), role('S'), shade=role('s'))
    p.shape(box_cells(left + 1, b['frieze'], right - 1, b['columns']),
            role('k'), role('n'))
    x = left + 2
    while x + b['col'] <= right - 1:
        # a column: lit on the left, shaded on the right
        shades = ['S'] * (b['col'] - 1) + ['s']
        if b['col'] >= 5:
            shades[-2] = 's'
        for i, ch in enumerate(shades):
            p.put(box_cells(x + i, b['frieze'] + 1, x + i, b['columns'] - 1),
                  role(ch))
        x += b['col'] + b['gap']
    p.shape(box_cells(left + 1, b['cornice'], right - 1, b['frieze']),
            role('k'), role('S'), shade=role('s'))
    # the roof: a pediment rising two pixels in for every row
    roof = set()
    for y in range(b['peak'], b['cornice'] + 1):
        half = b['half'] + 2 * (y - b['peak'])
        for x in range(left, right + 1):
            if abs(2 * x + 1 - mid2 - 1) <= 2 * half:
                roof.add((x, y))
    p.shape(roof, role('k'),
            linear(0, b['peak'], role('c'), 0, b['cornice'], role('e')),
            lit=role('C'), shade=role('e'))
    # a gold roundel in the pediment, centred on a pixel corner
    cy = float((b['peak'] + b['cornice']) // 2 + 1)
    r = 1.0 if p.n < 32 else 2.0
    p.shape(p.cells(sd_circle(mid2 / 2.0 + 0.5, cy, r + 0.05)),
            role('O') if p.n >= 32 else role('Y'), role('Y'))


# --- calendar with a coin --------------------------------------------------

# page box, bottom row of the header, the two binder rings' left columns,
# and the day marks: size, first column and row, step between them
BIG_CALENDAR = {
    24: dict(box=(1, 3, 18, 22), header=9, rings=(4, 12), ring_top=1,
             mark=2, mark_x=3, mark_y=11, step=3, cols=5, rows=3),
    32: dict(box=(2, 4, 25, 30), header=12, rings=(6, 18), ring_top=1,
             mark=3, mark_x=4, mark_y=15, step=4, cols=5, rows=3),
}

# centre and radius of the coin
BIG_COIN = {24: (17.5, 17.5, 5.6), 32: (23.5, 23.5, 7.6)}


def big_calendar(p):
    c = BIG_CALENDAR[p.n]
    x0, y0, x1, y1 = c['box']
    p.shape(box_cells(x0, y0, x1, y1), role('k'), role('W'),
            shade=role('w'))
    p.shape(box_cells(x0, y0, x1, c['header']), role('k'),
            linear(0, y0, role('A'), 0, c['header'], role('a')),
            lit=role('I'), shade=role('a'))
    for rx in c['rings']:
        ring = box_cells(rx, c['ring_top'], rx + 3, y0 + 3)
        ring -= {(rx, c['ring_top']), (rx + 3, c['ring_top'])}
        p.shape(ring, role('k'), role('M'), shade=role('m'))
    marks = {(2, 0): 'z', (1, 1): 'h'}
    m = c['mark']
    for row in range(c['rows']):
        for col in range(c['cols']):
            x = c['mark_x'] + col * c['step']
            y = c['mark_y'] + row * c['step']
            p.put(box_cells(x, y, x + m - 1, y + m - 1),
                  role(marks.get((col, row), 'd')))
    big_coin(p, *BIG_COIN[p.n])


def big_coin(p, cx, cy, r):
    """Gold coin: outline, a light top-left and a darker bottom-right, and
    at 32 px a raised rim."""
    disc = p.cells(sd_circle(cx, cy, r))
    p.shape(disc, role('O'),
            linear(cx - r, cy - r, role('Z'), cx + r, cy + r, role('y')),
            lit=role('Z'), shade=role('x'))
    if r >= 7:
        for (x, y) in rim(p.cells(sd_circle(cx, cy, r - 2.4))):
            lit = (x + 0.5 - cx) + (y + 0.5 - cy) > 0
            p.put({(x, y)}, role('Z') if lit else role('x'))
    # glint
    gx, gy = int(cx - 0.45 * r), int(cy - 0.45 * r)
    p.put({(gx, gy)}, (255, 255, 255))


# --- category folders ------------------------------------------------------

# left and right columns, bottom row, tab height, and per folder (back to
# front) the top row of its body and its tab's first and last columns
BIG_FOLDERS = {
    24: (1, 22, 22, 3, [(5, 1, 8), (10, 8, 15), (15, 15, 22)]),
    32: (1, 30, 29, 4, [(7, 1, 11), (14, 11, 20), (21, 20, 30)]),
}


def big_folders(p):
    left, right, bottom, tab, layers = BIG_FOLDERS[p.n]
    colours = [('b', 'V', 'B', 'b'), ('u', 'v', 'U', 'x'),
               ('J', 'j', 'E', 'g')]
    for (top, t0, t1), roles in zip(layers, colours):
        cells = box_cells(left, top, right, bottom) | \
            box_cells(t0, top - tab, t1, top - 1)
        cells -= {(t0, top - tab), (t1, top - tab)}    # soften the corners
        line, light, body, dark = (role(ch) for ch in roles)
        p.shape(cells, line,
                linear(0, top, mix(body, light, 0.35), 0, bottom, body),
                lit=light, shade=dark)


def big_toolbar_images(n):
    images = []
    for parts in ((big_page, big_plus), (big_page, big_pencil),
                  (big_page, big_cross), (big_bank,), (big_calendar,),
                  (big_folders,)):
        p = Pixels(n)
        for part in parts:
            part(p)
        images.append(p)
    return images


def quantise(colours):
    """Whole-number colours, made fewer by rounding off low bits until they
    fit beside the face colour in a 256-colour table.  Never silver or the
    two other greys that LR_LOADMAP3DCOLORS would remap."""
    step = 1
    while True:
        out = {}
        for c in colours:
            q = tuple(min(255, (to_byte(v) + step // 2) // step * step)
                      for v in c)
            while q in (FACE, SHADOW, LIGHT):
                q = (q[0], q[1], q[2] + 1)
            out[c] = q
        if len(set(out.values())) <= 255:
            return out
        step *= 2


def write_toolbar_big(path, n):
    images = big_toolbar_images(n)
    strip = [[img.px[y][x] for img in images for x in range(n)]
             for y in range(n)]
    # the loader takes the see-through colour from a corner pixel
    assert strip[0][0] is None and strip[-1][0] is None
    used = []
    for row in strip:
        used.extend(c for c in row if c is not None)
    to_rgb = quantise(sorted(set(used)))
    write_toolbar_strip(path, [[FACE if c is None else to_rgb[c] for c in row]
                               for row in strip])


# ---------------------------------------------------------------------------
# Sort arrows for the list header
# ---------------------------------------------------------------------------

def sort_arrow(pointing_up, size=9):
    """A triangle narrowing by a pixel each side per row, vertically centred.
    An odd box gets a one-pixel point and fills its width; an even one gets
    a two-pixel point and a pixel of margin each side, so it stays
    symmetric."""
    widest = size if size % 2 else size - 2
    widths = list(range(widest, 0, -2))
    if pointing_up:
        widths.reverse()
    rows = [[SILVER] * size for _ in range(size)]
    top = (size - len(widths)) // 2
    for i, w in enumerate(widths):
        left = (size - w) // 2
        for x in range(left, left + w):
            rows[top + i][x] = GREY
    return rows


# ---------------------------------------------------------------------------
# Icons: a small anti-aliased shape renderer
# ---------------------------------------------------------------------------
#
# Shapes are signed distance functions in pixel units (negative inside).
# Coverage of a pixel is taken from the distance at its centre, which is exact
# for straight edges on pixel boundaries (crisp) and gives smooth edges for
# curves and diagonals.

def sd_circle(cx, cy, r):
    def f(x, y):
        dx, dy = x - cx, y - cy
        return (dx * dx + dy * dy) ** 0.5 - r
    return f


def sd_box(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def f(x, y):
        qx = abs(x - cx) - hx
        qy = abs(y - cy) - hy
        ox, oy = max(qx, 0.0), max(qy, 0.0)
        return (ox * ox + oy * oy) ** 0.5 + min(max(qx, qy), 0.0) - r
    return f


def _seg_dist(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)
    t = 0.0 if t < 0 else 1.0 if t > 1 else t
    px, py = ax + dx * t - x, ay + dy * t - y
    return (px * px + py * py) ** 0.5


def sd_capsule(points, width):
    """A round-ended stroke along a polyline."""
    half = width / 2.0
    segs = list(zip(points, points[1:]))

    def f(x, y):
        return min(_seg_dist(x, y, a[0], a[1], b[0], b[1])
                   for a, b in segs) - half
    return f


def grow(f, r):
    return lambda x, y: f(x, y) - r


def shift(f, dx, dy):
    return lambda x, y: f(x - dx, y - dy)


def intersect(*fs):
    return lambda x, y: max(g(x, y) for g in fs)


def subtract(f, g):
    return lambda x, y: max(f(x, y), -g(x, y))


def linear(x0, y0, c0, x1, y1, c1):
    """Paint: colour ramp from (x0,y0) to (x1,y1)."""
    dx, dy = x1 - x0, y1 - y0
    n = dx * dx + dy * dy

    def paint(x, y):
        t = ((x - x0) * dx + (y - y0) * dy) / n
        t = 0.0 if t < 0 else 1.0 if t > 1 else t
        return mix(c0, c1, t)
    return paint


class Canvas:
    """RGBA canvas with straight (not premultiplied) float channels."""

    def __init__(self, w, h, fill=None):
        self.w, self.h = w, h
        if fill is None:
            fill = (0.0, 0.0, 0.0, 0.0)
        self.px = [[list(fill) for _ in range(w)] for _ in range(h)]

    def blend(self, x, y, rgb, a):
        if a <= 0.0:
            return
        d = self.px[y][x]
        da = d[3]
        oa = a + da * (1.0 - a)
        k = da * (1.0 - a)
        d[0] = (rgb[0] * a + d[0] * k) / oa
        d[1] = (rgb[1] * a + d[1] * k) / oa
        d[2] = (rgb[2] * a + d[2] * k) / oa
        d[3] = oa

    def fill(self, sdf, paint, opacity=1.0, soft=1.0, box=None):
        """Paint a shape.  `paint` is an RGB tuple or a function of (x, y);
        `soft` widens the edge ramp (in pixels) for shadows and glows."""
        x0, y0, x1, y1 = box if box else (0, 0, self.w, self.h)
        x0, y0 = max(0, int(x0)), max(0, int(y0))
        x1, y1 = min(self.w, int(x1 + 1)), min(self.h, int(y1 + 1))
        solid = not callable(paint)
        for y in range(y0, y1):
            cy = y + 0.5
            for x in range(x0, x1):
                cx = x + 0.5
                d = sdf(cx, cy)
                cov = 0.5 - d / soft
                if cov <= 0.0:
                    continue
                if cov > 1.0:
                    cov = 1.0
                self.blend(x, y, paint if solid else paint(cx, cy),
                           cov * opacity)

    def draw(self, other, ox, oy):
        for y in range(other.h):
            for x in range(other.w):
                p = other.px[y][x]
                tx, ty = x + ox, y + oy
                if 0 <= tx < self.w and 0 <= ty < self.h:
                    self.blend(tx, ty, p[:3], p[3])

    def rgba_rows(self):
        rows = []
        for row in self.px:
            out = []
            for r, g, b, a in row:
                a8 = to_byte(a * 255.0)
                if a8 == 0:
                    out.append((0, 0, 0, 0))
                else:
                    out.append((to_byte(r), to_byte(g), to_byte(b), a8))
            rows.append(out)
        return rows


def outlined(cv, sdf, line, paint, width=1.0, highlight=None, hl_width=1.0):
    """Shape with a dark outline, gradient body and an optional lit inner
    edge along the top and left (light comes from the top-left)."""
    cv.fill(sdf, line)
    inner = grow(sdf, -width)
    if highlight is not None:
        cv.fill(inner, highlight)
        cv.fill(intersect(inner, shift(inner, hl_width, hl_width)), paint)
    else:
        cv.fill(inner, paint)


def drop_shadow(cv, sdf, s, opacity=0.28):
    """Soft shadow cast down and to the right (32 px and up only)."""
    if cv.w < 32:
        return
    cv.fill(shift(sdf, 0.6 * s, 0.9 * s), (0, 0, 0), opacity=opacity,
            soft=1.2 * s)


# --- 16 px icons are drawn pixel by pixel -----------------------------------

ICON_ROLES = {
    # wallet
    'D': (18, 72, 36, 255),         # outline
    'H': (146, 212, 124, 255),      # lit edge
    'G': (74, 156, 78, 255),        # leather
    'g': (42, 120, 58, 255),        # shaded edge
    'S': (52, 130, 64, 255),        # strap
    's': (36, 104, 50, 255),        # strap, shaded
    'o': (250, 206, 82, 255),       # press stud
    'p': (176, 120, 20, 255),       # press stud, shaded
    # bank note
    'n': (56, 112, 62, 255),
    'N': (222, 244, 212, 255),
    'm': (150, 200, 144, 255),
    # coin
    'O': (128, 84, 8, 255),
    'Z': (255, 242, 176, 255),
    'Y': (246, 198, 62, 255),
    'y': (220, 160, 34, 255),
    'x': (196, 132, 20, 255),
    # tick
    'K': (18, 94, 34, 255),
    'h': (156, 228, 124, 255),
    'T': (66, 172, 66, 255),
    't': (38, 132, 50, 255),
}

APP16_WALLET = [
    '................',
    '...nnnnnnnnnn...',
    '...nNNNNNNNNn...',
    '...nNNmmmmNNn...',
    '.DDDDDDDDDDDDDD.',
    'DHHHHHHHHHHHHHHD',
    'DHGGGGGGGGGGGGgD',
    'DHGGGGGGDDDDDDDD',
    'DHGGGGGGDSSSSSSD',
    'DHGGGGGGDSSSopSD',
    'DHGGGGGGDSSSppSD',
    'DHGGGGGGDsssssSD',
    'DHGGGGGGDDDDDDDD',
    'DggggggggggggggD',
    '.DDDDDDDDDDDDDD.',
    '................',
]

APP16_COIN = [
    '................',
    '................',
    '................',
    '................',
    '................',
    '................',
    '................',
    '..OOOOO.........',
    '.OZZYYYO........',
    'OZZYYYYyO.......',
    'OZYYYYYyO.......',
    'OYYYYYyyO.......',
    'OYYYYyyyO.......',
    'OYYYyyyxO.......',
    '.OyyyyxO........',
    '..OOOOO.........',
]

TICK16 = [
    '................',
    '................',
    '............KKK.',
    '...........KhTtK',
    '..........KhTtK.',
    '.........KhTtK..',
    '........KhTtK...',
    '.KKK...KhTtK....',
    'KhTtK.KhTtK.....',
    '.KhTtKhTtK......',
    '..KhTTTtK.......',
    '...KhTtK........',
    '....KtK.........',
    '.....K..........',
    '................',
    '................',
]


def grid_layer(rows, roles, dx=0, dy=0, soften=0.4):
    """A 16x16 canvas from a pixel grid.  With `soften`, the empty pixel in
    the crook of every outline step gets a faint copy of its neighbours,
    which takes the jaggies off curves and diagonals."""
    cv = Canvas(16, 16)
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch != '.' and 0 <= x + dx < 16 and 0 <= y + dy < 16:
                r, g, b, a = roles[ch]
                cv.px[y + dy][x + dx] = [r, g, b, a / 255.0]
    if soften:
        fill = []
        for y in range(16):
            for x in range(16):
                if cv.px[y][x][3] > 0:
                    continue
                near = {}
                for name, (nx, ny) in (('l', (x - 1, y)), ('r', (x + 1, y)),
                                       ('u', (x, y - 1)), ('d', (x, y + 1))):
                    if 0 <= nx < 16 and 0 <= ny < 16 and \
                            cv.px[ny][nx][3] >= 1.0:
                        near[name] = cv.px[ny][nx]
                if ('l' in near or 'r' in near) and \
                        ('u' in near or 'd' in near):
                    cols = list(near.values())
                    c = [sum(p[i] for p in cols) / len(cols) for i in range(3)]
                    fill.append((x, y, c))
        for x, y, c in fill:
            cv.px[y][x] = [c[0], c[1], c[2], soften]
    return cv


def toolbar_icon16(rows, dx=0):
    """One of the toolbar pictures as a 16 px icon (silver is see-through)."""
    roles = {ch: ROLES[ch][1] + (255,) for ch in ROLES}
    return grid_layer(rows, roles, dx=dx, soften=0)


# --- program icon: green wallet with a gold coin ---------------------------

GOLD_LINE = (128, 84, 8)
GOLD_HI = (255, 240, 168)
GOLD_LO = (206, 140, 22)


def snap_box(s, x0, y0, x1, y1, r=0.0):
    """A box in 16-unit design space with its edges on whole pixels."""
    return sd_box(round(x0 * s), round(y0 * s), round(x1 * s), round(y1 * s),
                  r * s)


def draw_coin(cv, cx, cy, r, s, detail=True):
    """Gold coin; r and the centre in pixels, s = pixels per design unit."""
    w = 1.0 if s < 2.5 else 1.5
    disc = sd_circle(cx, cy, r)
    drop_shadow(cv, disc, s)
    cv.fill(disc, GOLD_LINE)
    body = sd_circle(cx, cy, r - w)
    cv.fill(body, linear(cx - r, cy - r, GOLD_HI, cx + r * 0.7, cy + r * 0.7,
                         GOLD_LO))
    if detail and r >= 6:
        # raised rim: a dark groove with a light lip inside it
        rim = r - w - 0.12 * r
        groove = subtract(sd_circle(cx, cy, rim), sd_circle(cx, cy, rim - w))
        cv.fill(groove, (176, 118, 18), opacity=0.85)
        face = sd_circle(cx, cy, rim - w)
        cv.fill(face, linear(cx - r, cy - r, (255, 226, 120),
                             cx + r, cy + r, (214, 150, 28)))
        lip = subtract(sd_circle(cx + 0.5 * w, cy + 0.5 * w, rim - w),
                       sd_circle(cx + 1.5 * w, cy + 1.5 * w, rim - w))
        cv.fill(intersect(lip, face), (255, 246, 200), opacity=0.8)
    # specular glint, top-left
    g = max(0.9, 0.16 * r)
    cv.fill(sd_circle(cx - 0.42 * r, cy - 0.42 * r, g), (255, 255, 240),
            opacity=0.9)


def draw_app_icon(size):
    if size == 16:
        cv = grid_layer(APP16_WALLET, ICON_ROLES)
        cv.draw(grid_layer(APP16_COIN, ICON_ROLES), 0, 0)
        return cv
    s = size / 16.0
    cv = Canvas(size, size)
    ow = 1.0 if size <= 32 else 2.0

    # bank note tucked into the wallet, peeking out at the top
    note = snap_box(s, 3, 1, 13, 7, 0.4)
    outlined(cv, note, (56, 112, 62),
             linear(0, 0, (230, 248, 220), size, size, (180, 222, 170)),
             width=ow)
    cv.fill(snap_box(s, 5.5, 2.5, 10.5, 3.5, 0.4), (150, 200, 144))

    # wallet body
    body = snap_box(s, 0, 4, 16, 15, 1.5)
    drop_shadow(cv, body, s)
    outlined(cv, body, (18, 72, 36),
             linear(0, 4 * s, (98, 178, 92), 0, 15 * s, (36, 116, 56)),
             width=ow, highlight=(150, 214, 130), hl_width=ow)
    # stitched seam along the mouth of the wallet
    seam = snap_box(s, 1.5, 6, 14.5, 6.34)
    cv.fill(seam, (26, 92, 46), opacity=0.5)

    # strap with a press stud on the right-hand side
    strap = snap_box(s, 8, 7, 16, 13, 1.0)
    outlined(cv, strap, (18, 72, 36),
             linear(0, 7 * s, (66, 146, 72), 0, 13 * s, (30, 100, 50)),
             width=ow, highlight=(112, 190, 104), hl_width=ow)
    stud = sd_circle(13 * s, 10 * s, 1.3 * s)
    cv.fill(stud, GOLD_LINE)
    cv.fill(sd_circle(13 * s - 0.15 * s, 10 * s - 0.15 * s, 1.3 * s - ow),
            linear(12 * s, 9 * s, (255, 236, 150), 14 * s, 11 * s,
                   (210, 150, 30)))

    # the coin, in front on the left; at 24 px its centre goes on a pixel
    # corner and the raised rim is left out, as both only blur at that size
    if size == 24:
        draw_coin(cv, 7.0, 17.0, 6.5, s, detail=False)
    else:
        draw_coin(cv, 4.75 * s, 11.25 * s, 4.25 * s, s)
    return cv


# --- account stats: bar chart ------------------------------------------------

def draw_stats_icon(size):
    s = size / 16.0
    cv = Canvas(size, size)
    bars = [
        (1, 8, (120, 164, 230), (44, 86, 170), (22, 50, 116)),    # blue
        (6, 4, (130, 214, 118), (40, 140, 60), (18, 86, 36)),     # green
        (11, 1, (255, 228, 120), (220, 156, 30), (130, 86, 8)),   # gold
    ]
    base = 14
    lefts = [x * s for x, _, _, _, _ in bars]
    tops = [top * s for _, top, _, _, _ in bars]
    width, floor = 4 * s, base * s
    if size == 24:
        # the 16-unit layout falls on half pixels here: move the edges to
        # whole ones, keeping the gaps even
        lefts, tops, width, floor = (1, 9, 17), (12, 6, 2), 6, 22
    for (_, _, light, dark, line), x, top in zip(bars, lefts, tops):
        box = sd_box(x, top, x + width, floor + 1)
        drop_shadow(cv, box, s, 0.22)
        outlined(cv, box, line, linear(x, 0, light, x + width, 0, dark))
    # axis line along the bottom, whole pixels thick
    axis = max(1.0, float(int(s)))
    cv.fill(sd_box(0, floor, size, floor + axis), (52, 58, 72))
    if size >= 32:
        cv.fill(sd_box(0, floor + axis, size, size),
                (52, 58, 72), opacity=0.35)
    return cv


# --- bills & deposits: calendar page -----------------------------------------

# Laid out on whole pixels to match the 16 px picture: the page, the height
# of its red header, the binder rings' left edges, their bottom row, the day
# marks' size, the first mark's corner and the step between marks, and the
# number of columns of marks.
CALENDAR_ICON = {
    24: dict(page=(2, 3, 22, 23), head=10, rings=(7, 14), ring_end=7,
             mark=2, first=(5, 11), step=4, cols=4),
    32: dict(page=(3, 4, 30, 31), head=13, rings=(10, 21), ring_end=9,
             mark=3, first=(5, 15), step=5, cols=5),
}


def draw_calendar_icon(size):
    if size == 16:
        # the toolbar's calendar, moved over to sit in the middle
        return toolbar_icon16(CALENDAR, dx=1)
    c = CALENDAR_ICON[size]
    x0, y0, x1, y1 = c['page']
    cv = Canvas(size, size)
    page = sd_box(x0, y0, x1, y1, 1.5)
    drop_shadow(cv, page, 2.0)
    outlined(cv, page, (52, 58, 72),
             linear(0, 0, (255, 255, 255), size, size, (214, 222, 236)))
    head = sd_box(x0, y0, x1, c['head'], 1.5)
    outlined(cv, head, (122, 22, 22),
             linear(0, y0 + 1, (240, 108, 88), 0, c['head'] - 1,
                    (178, 36, 32)),
             highlight=(252, 156, 136))
    for rx in c['rings']:
        ring = sd_box(rx, 1, rx + 3, c['ring_end'], 1.5)
        outlined(cv, ring, (40, 44, 52),
                 linear(rx, 0, (236, 240, 246), rx + 3, 0, (146, 154, 168)))
    marks = {(2, 0): (214, 52, 44), (1, 1): (46, 150, 64)}
    m, step = c['mark'], c['step']
    for row in range(3):
        for col in range(c['cols']):
            x, y = c['first'][0] + step * col, c['first'][1] + step * row
            cv.fill(sd_box(x, y, x + m, y + m),
                    marks.get((col, row), (160, 172, 196)))
    return cv


# --- tick ---------------------------------------------------------------------

def draw_tick_icon(size):
    if size == 16:
        return grid_layer(TICK16, ICON_ROLES)
    s = size / 16.0
    cv = Canvas(size, size)
    pts = [(3.0 * s, 8.5 * s), (6.5 * s, 12.0 * s), (13.0 * s, 4.0 * s)]
    stroke = sd_capsule(pts, 3.2 * s)
    drop_shadow(cv, stroke, s)
    ow = 1.0 if size <= 32 else 1.4
    cv.fill(stroke, (16, 92, 32))
    inner = grow(stroke, -ow)
    cv.fill(inner, linear(3 * s, 3 * s, (136, 220, 110), 12 * s, 13 * s,
                          (32, 140, 48)))
    if size >= 32:
        shine = sd_capsule([(p[0] - 0.35 * s, p[1] - 0.45 * s) for p in pts],
                           0.9 * s)
        cv.fill(intersect(shine, inner), (210, 250, 190), opacity=0.7)
    return cv


# ---------------------------------------------------------------------------
# About banner
# ---------------------------------------------------------------------------
#
# A 16-colour strip drawn pixel by pixel in VGA colours: a gold coin and the
# word mark in white on navy, both with a one-pixel black shadow down and to
# the right, over a gold rule.

BANNER_W, BANNER_H = 115, 19

# A bold pixel font with two-pixel stems: 9 rows from the top of the capitals
# down to the baseline, x-height 6, and 3 rows below for descenders.  Only the
# letters the banner needs.
FONT = {
    'P': ['######.', '##...##', '##...##', '##...##', '######.',
          '##.....', '##.....', '##.....', '##.....'],
    'e': ['......', '......', '......', '.####.', '##..##',
          '######', '##....', '##...#', '.####.'],
    'h': ['##....', '##....', '##....', '##.##.', '###.##',
          '##..##', '##..##', '##..##', '##..##'],
    'i': ['##', '##', '..', '##', '##', '##', '##', '##', '##'],
    'n': ['......', '......', '......', '##.##.', '###.##',
          '##..##', '##..##', '##..##', '##..##'],
    's': ['......', '......', '......', '.#####', '##....',
          '.####.', '....##', '....##', '#####.'],
    't': ['.....', '.##..', '.##..', '#####', '.##..',
          '.##..', '.##..', '.##..', '..###'],
    'w': ['.......', '.......', '.......', '##...##', '##...##',
          '##.#.##', '##.#.##', '#######', '.##.##.'],
    'y': ['......', '......', '......', '##..##', '##..##',
          '##..##', '##..##', '##.###', '.##.##', '....##', '##..##',
          '.####.'],
}

# Gold coin with a raised rim and a glint at the top left.
BANNER_COIN = [
    '....OOOOO....',
    '..OOYYYYYOO..',
    '.OYWWYYYYYYO.',
    '.OWWYOOOYYYO.',
    'OYWYOYYYOYYYO',
    'OYYOYYYYYOYYO',
    'OYYOYYYYYOYYO',
    'OYYOYYYYYOYYO',
    'OYYYOYYYOYYYO',
    '.OYYYOOOYYYO.',
    '.OYYYYYYYYYO.',
    '..OOYYYYYOO..',
    '....OOOOO....',
]
BANNER_ROLES = {'O': OLIVE, 'Y': YELLOW, 'W': WHITE}


def text_width(text):
    return sum(len(FONT[ch][0]) for ch in text) + (len(text) - 1)


def stamp(rows, x, y, grid, colour_of):
    """Set the pixels of a grid of characters; colour_of maps a character to
    a palette index, or to None to leave the pixel alone."""
    for gy, line in enumerate(grid):
        for gx, ch in enumerate(line):
            c = colour_of(ch)
            if c is not None:
                rows[y + gy][x + gx] = c


def draw_text(rows, text, x, y, colour, shadow):
    """Text with its top-left at (x, y) and a shadow one pixel down-right."""
    for c, off in ((shadow, 1), (colour, 0)):
        cx = x
        for ch in text:
            stamp(rows, cx + off, y + off, FONT[ch],
                  lambda bit: c if bit == '#' else None)
            cx += len(FONT[ch][0]) + 1


def draw_banner():
    """The About box banner as top-down rows of VGA palette indices."""
    w, h = BANNER_W, BANNER_H
    rows = [[NAVY] * w for _ in range(h)]
    # gold rule along the bottom
    rows[h - 2] = [YELLOW] * w
    rows[h - 1] = [OLIVE] * w

    # coin and word mark, centred as a group; capitals and coin share a
    # middle line
    title = 'Pennywhist'
    coin_w, coin_h = len(BANNER_COIN[0]), len(BANNER_COIN)
    gap = 6
    x = (w - (coin_w + gap + text_width(title))) // 2
    coin_y = 2
    text_y = coin_y + (coin_h - len(FONT['P'])) // 2
    stamp(rows, x + 1, coin_y + 1, BANNER_COIN,
          lambda ch: BLACK if ch in BANNER_ROLES else None)
    stamp(rows, x, coin_y, BANNER_COIN, BANNER_ROLES.get)
    draw_text(rows, title, x + coin_w + gap, text_y, WHITE, BLACK)
    return rows


# --- the banner at 150 % and 200 % -----------------------------------------
#
# Drawn for each size rather than pixel-doubled: the letters are built from
# strokes of the size's own weight (stems 3 or 4 pixels, cross strokes 2),
# with the same shapes as FONT (which these rules reproduce at 100 %), and
# the coin from circles, so the outlines stay one pixel and the curves are
# as round as the size allows.

class Glyph:
    """A letter as a set of lit (x, y) pixels in a width x height cell."""

    def __init__(self, width, height):
        self.w, self.h = width, height
        self.on = set()

    def box(self, x0, y0, x1, y1):
        self.on |= {(x, y) for x in range(x0, x1 + 1)
                    for y in range(y0, y1 + 1)}

    def clear(self, *points):
        self.on -= set(points)

    def rows(self):
        return [''.join('#' if (x, y) in self.on else '.'
                        for x in range(self.w)) for y in range(self.h)]


def glyph(ch, m):
    """One letter of the word mark in the metrics m: stem and cross-stroke
    widths, the width of a round letter, cap and x heights, descender."""
    s, h, wd = m['stem'], m['hair'], m['wide']
    cap, xh, desc = m['cap'], m['x'], m['desc']
    t, b = cap - xh, cap - 1           # top of the x height, baseline row
    g = Glyph(wd, cap + desc)
    upper = (xh - 3 * h) // 2          # counter above a middle stroke
    if ch in 'nh':
        g.box(0, 0 if ch == 'h' else t, s - 1, b)
        # the arch leaves the stem with a notch and rounds off at the right
        g.box(s + 1, t, wd - 2, t)
        g.box(s, t + 1, wd - 1, t + h - 1)
        g.box(wd - s, t + 1, wd - 1, b)
        g.box(s, t + h, s, t + h)
    elif ch == 'y':
        # an upside-down n, its right stem going on down into a hook
        n = glyph('n', m)
        g.on = {(wd - 1 - x, cap - 1 - y + t) for (x, y) in n.on}
        bottom = cap + desc - 1
        g.box(wd - s, cap, wd - 1, bottom - h)
        g.box(0, bottom - h + 1, wd - 2, bottom - 1)
        g.box(1, bottom, wd - 2, bottom)
        g.box(0, bottom - h, s - 1, bottom - h)
    elif ch == 'e':
        cross = t + h + upper
        g.box(0, t, wd - 1, t + h - 1)
        g.box(0, t, s - 1, b)
        g.box(wd - s, t, wd - 1, cross)
        g.box(0, cross, wd - 1, cross + h - 1)
        g.box(0, b - h + 1, wd - 1, b)
        g.box(wd - 1, b - h, wd - 1, b - h)       # the tail's tip
        g.clear((0, t), (wd - 1, t), (0, b), (wd - 1, b))
    elif ch == 's':
        mid = t + h + upper
        g.box(1, t, wd - 1, t)
        g.box(0, t + 1, wd - 1, t + h - 1)
        g.box(0, t + h, s - 1, mid - 1)
        # the spine steps down from left to right through the middle
        g.box(1, mid, wd - 2, mid + h - 1)
        if h > 1:
            g.box(0, mid, 0, mid + h - 2)
            g.box(wd - 1, mid + 1, wd - 1, mid + h - 1)
        g.box(wd - s, mid + h, wd - 1, b - h)
        g.box(0, b - h + 1, wd - 1, b - 1)
        g.box(0, b, wd - 2, b)
    elif ch == 'i':
        g = Glyph(s, cap + desc)
        g.box(0, t, s - 1, b)
        g.box(0, t - m['dot_gap'] - s, s - 1, t - m['dot_gap'] - 1)
    elif ch == 't':
        a = m['arm']
        g = Glyph(s + 2 * a + 1, cap + desc)
        right = g.w - 1
        g.box(a, (t - 1) // 2, a + s - 1, b - 1)
        g.box(0, t, right, t + h - 1)
        g.box(a + s, b - h + 1, right, b)
        g.box(a + 1, b, right, b)
    elif ch == 'w':
        gap, mid = m['w_gap'], m['w_mid']
        g = Glyph(2 * s + 2 * gap + mid, cap + desc)
        right = g.w - 1
        g.box(0, t, s - 1, b)
        g.box(right - s + 1, t, right, b)
        g.box(s + gap, t + xh // 3, s + gap + mid - 1, b)
        g.box(0, b - h, right, b)
        g.clear((0, b), (right, b),
                *[(x, b) for x in range(s + gap, s + gap + mid)])
    elif ch == 'P':
        g = Glyph(wd + 1, cap + desc)
        bowl = m['bowl']
        g.box(0, 0, s - 1, b)
        g.box(0, 0, wd - 1, h - 1)
        g.box(wd + 1 - s, 1, wd, bowl - 2)
        g.box(0, bowl - h, wd - 1, bowl - 1)
    else:
        raise KeyError(ch)
    return g


# Metrics for glyph(); FONT100 gives back FONT.
FONT100 = dict(stem=2, hair=1, wide=6, cap=9, x=6, desc=3, dot_gap=1, arm=1,
               w_gap=1, w_mid=1, bowl=5)
FONT150 = dict(stem=3, hair=2, wide=9, cap=14, x=10, desc=4, dot_gap=1,
               arm=2, w_gap=2, w_mid=2, bowl=8)
FONT200 = dict(stem=4, hair=2, wide=12, cap=18, x=12, desc=6, dot_gap=2,
               arm=2, w_gap=2, w_mid=3, bowl=10)

# Per size: banner width and height, the rule's rows from the top down, the
# coin's diameter and its inner ring's, the font, the space between letters
# and between coin and word, and how far the shadow falls.
BANNER_BIG = {
    150: dict(w=173, h=29, rule=(YELLOW, YELLOW, OLIVE), coin=20, ring=10,
              font=FONT150, space=2, coin_gap=9, shadow=2),
    200: dict(w=230, h=38, rule=(YELLOW, YELLOW, OLIVE, OLIVE), coin=26,
              ring=14, font=FONT200, space=3, coin_gap=12, shadow=2),
}


def disc_cells(d, dia):
    """Pixels of a disc of diameter dia centred in a d x d square."""
    c, r = d / 2.0, dia / 2.0 + 0.1
    return {(x, y) for x in range(d) for y in range(d)
            if (x + 0.5 - c) ** 2 + (y + 0.5 - c) ** 2 < r * r}


def big_banner_coin(dia, ring):
    """The banner coin at a size: outline, a raised inner ring, and a glint
    in the top-left of the band between them."""
    outer = disc_cells(dia, dia)
    inner = disc_cells(dia, ring)
    grid = [['.'] * dia for _ in range(dia)]
    c = dia / 2.0
    for (x, y) in outer:
        dx, dy = x + 0.5 - c, y + 0.5 - c
        ch = 'Y'
        # the glint: a short arc in the outer half of the band
        if dx + dy < 0 and abs(dx - dy) <= 0.16 * dia and \
                dx * dx + dy * dy >= ((dia + ring) / 4.0) ** 2:
            ch = 'W'
        grid[y][x] = ch
    for (x, y) in rim(outer) | rim(inner):
        grid[y][x] = 'O'
    return [''.join(r) for r in grid]


def draw_big_banner(scale):
    """The About banner at 150 or 200 %: top-down rows of VGA indices."""
    b = BANNER_BIG[scale]
    w, h, font = b['w'], b['h'], b['font']
    rows = [[NAVY] * w for _ in range(h)]
    for i, colour in enumerate(b['rule']):
        rows[h - len(b['rule']) + i] = [colour] * w

    title = 'Pennywhist'
    letters = [glyph(ch, font) for ch in title]
    text_w = sum(g.w for g in letters) + b['space'] * (len(letters) - 1)
    coin = big_banner_coin(b['coin'], b['ring'])
    # coin centred in the navy above the rule, capitals on its middle line
    x = (w - (b['coin'] + b['coin_gap'] + text_w)) // 2
    coin_y = (h - len(b['rule']) - b['coin']) // 2
    text_y = coin_y + (b['coin'] - font['cap']) // 2

    def word(off, colour):
        cx = x + b['coin'] + b['coin_gap'] + off
        for g in letters:
            stamp(rows, cx, text_y + off, g.rows(),
                  lambda bit: colour if bit == '#' else None)
            cx += g.w + b['space']

    # the shadow falls solid, not as a copy off to the side, so thin parts
    # keep touching theirs
    for off in range(1, b['shadow'] + 1):
        stamp(rows, x + off, coin_y + off, coin,
              lambda ch: BLACK if ch in BANNER_ROLES else None)
        word(off, BLACK)
    stamp(rows, x, coin_y, coin, BANNER_ROLES.get)
    word(0, WHITE)
    return rows


# ---------------------------------------------------------------------------

def main():
    os.makedirs(OUT_DIR, exist_ok=True)

    def out(name):
        return os.path.join(OUT_DIR, name)

    write_toolbar16(out('toolbar16.bmp'))
    write_toolbar256(out('toolbar256.bmp'))
    write_toolbar_big(out('toolbar24.bmp'), 24)
    write_toolbar_big(out('toolbar32.bmp'), 32)
    write_indexed_bmp(out('sort_down.bmp'), 9, 9, 4, VGA, sort_arrow(False))
    write_indexed_bmp(out('sort_up.bmp'), 9, 9, 4, VGA, sort_arrow(True))
    for n in (14, 18):
        write_indexed_bmp(out('sort_down%d.bmp' % n), n, n, 4, VGA,
                          sort_arrow(False, n))
        write_indexed_bmp(out('sort_up%d.bmp' % n), n, n, 4, VGA,
                          sort_arrow(True, n))
    write_ico(out('pennywhist.ico'),
              [(n, draw_app_icon(n).rgba_rows()) for n in (16, 24, 32, 48)])
    write_ico(out('account_stats.ico'),
              [(n, draw_stats_icon(n).rgba_rows()) for n in (16, 24, 32)])
    write_ico(out('bills_deposits.ico'),
              [(n, draw_calendar_icon(n).rgba_rows()) for n in (16, 24, 32)])
    write_ico(out('tick.ico'),
              [(n, draw_tick_icon(n).rgba_rows()) for n in (16, 24, 32)])
    write_indexed_bmp(out('about_banner.bmp'), BANNER_W, BANNER_H, 4, VGA,
                      draw_banner())
    for scale in (150, 200):
        b = BANNER_BIG[scale]
        write_indexed_bmp(out('about_banner%d.bmp' % scale), b['w'], b['h'],
                          4, VGA, draw_big_banner(scale))


if __name__ == '__main__':
    main()
