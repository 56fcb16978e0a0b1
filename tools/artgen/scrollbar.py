"""The scroll bar skin: 9 columns x 3 rows of 13 x 13 cells, 8 bits per pixel.

Columns: up, down, thumb, track (vertical); left, right, thumb, track (horizontal); corner.
Rows: normal, hot, pressed."""

from PIL import Image

CELL = 13
COLUMNS, ROWS = 9, 3

PALETTE = [
    (255, 255, 255),  # 0 track, cell ground
    (222, 222, 222),  # 1 edge line of horizontal cells
    (170, 170, 170),  # 2 chevron, normal
    (96, 96, 96),     # 3 chevron, hot
    (64, 64, 64),     # 4 chevron, pressed
    (232, 232, 232),  # 5 ground of a pressed arrow
    (128, 128, 128),  # 6 thumb, normal
    (104, 104, 104),  # 7 thumb, hot
    (84, 84, 84),     # 8 thumb, pressed
    (150, 150, 150),  # 9 size grip
]

# An upward chevron, two pixels thick, as (x, y) in a cell.
CHEVRON_UP = [(6, 4), (5, 5), (6, 5), (7, 5), (4, 6), (5, 6), (7, 6), (8, 6), (3, 7), (4, 7),
              (8, 7), (9, 7), (2, 8), (3, 8), (9, 8), (10, 8)]
# Thumb outline along a vertical axis: (first x, last x) per row, rounded over the 3-pixel caps.
THUMB_ROWS = [(5, 7), (4, 8)] + [(3, 9)] * 9 + [(4, 8), (5, 7)]
GRIP = [(10, 10), (10, 7), (7, 10), (10, 4), (7, 7), (4, 10)]

CHEVRON_INK = {0: 2, 1: 3, 2: 4}
THUMB_INK = {0: 6, 1: 7, 2: 8}


def _cell(column, row):
    px = [[0] * CELL for _ in range(CELL)]
    if row == 2 and column in (0, 1, 4, 5):
        px = [[5] * CELL for _ in range(CELL)]
    if column in (0, 1, 4, 5):
        for x, y in CHEVRON_UP:
            if column == 1:
                y = CELL - 1 - y
            if column in (4, 5):  # turn the vertical chevron on its side
                x, y = y, x
                if column == 5:
                    x = CELL - 1 - x
            px[y][x] = CHEVRON_INK[row]
    elif column in (2, 6):
        for y, (x0, x1) in enumerate(THUMB_ROWS):
            for x in range(x0, x1 + 1):
                if column == 2:
                    px[y][x] = THUMB_INK[row]
                else:
                    px[x][y] = THUMB_INK[row]
    elif column == 8:
        mirrored = row == 1  # row 1 serves a vertical bar on the left
        for gx, gy in GRIP:
            for dx in (0, 1):
                for dy in (0, 1):
                    x = gx + dx
                    px[gy + dy][CELL - 1 - x if mirrored else x] = 9
    if 4 <= column <= 7:
        for x in range(CELL):
            px[0][x] = 1
            px[CELL - 1][x] = 1
    return px


def scrollbar_skin():
    img = Image.new("P", (CELL * COLUMNS, CELL * ROWS), 0)
    flat = []
    for rgb in PALETTE:
        flat.extend(rgb)
    flat.extend([0] * (768 - len(flat)))
    img.putpalette(flat)
    for row in range(ROWS):
        for column in range(COLUMNS):
            cell = _cell(column, row)
            for y in range(CELL):
                for x in range(CELL):
                    img.putpixel((column * CELL + x, row * CELL + y), cell[y][x])
    return img
