#!/usr/bin/env python3
"""Writes the sample user panels in samples/panels: board pictures of our own making.

  evening-green.gif   544 x 335, the board's own size: a green panel with cream lines
  small-maroon.bmp    480 x 300, smaller than the board: the board shows grey beyond it

Both follow the board's layout (the stop-name window at the top, 24 cells of a number strip
over a fare window), so the board's digits and numbers sit on their windows.
Run from anywhere:  python3 tools/make_sample_panels.py
The output is deterministic, so running it again changes no file.
"""
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "samples", "panels")


def px(twips):
    """Twips to pixels, 15 to one, rounded half away from zero like the program."""
    return (twips + 7) // 15


def cells():
    """(strip, fare) rectangles (x, y, w, h) in pixels for ticket numbers 1 to 24."""
    out = []
    for i in range(1, 25):
        row, col = (i - 1) // 6, (i - 1) % 6
        fare = (px(705 + 1218 * col), px([1815, 2580, 3360, 4140][row]), px(1140), px(435))
        left = 870 if i == 13 else 885 + 1218 * col
        label = (px(left), px([1545, 2310, 3090, 3870][row]), px(780), px(240))
        strip = (fare[0] - 2, label[1], fare[2] + 4, label[3])
        out.append((strip, fare))
    return out


STOP_NAME = (px(1200), px(277), px(6480), px(840))


class Canvas:
    """An indexed picture: a palette of RGB tuples and one palette index per pixel."""

    def __init__(self, w, h, palette, fill=0):
        self.w, self.h, self.palette = w, h, palette
        self.pix = bytearray([fill]) * (w * h)

    def rect(self, x, y, w, h, c):
        for yy in range(max(0, y), min(self.h, y + h)):
            start = yy * self.w
            for xx in range(max(0, x), min(self.w, x + w)):
                self.pix[start + xx] = c

    def frame(self, x, y, w, h, c, t=1):
        self.rect(x, y, w, t, c)
        self.rect(x, y + h - t, w, t, c)
        self.rect(x, y, t, h, c)
        self.rect(x + w - t, y, t, h, c)

    def disc(self, cx, cy, r, c):
        for yy in range(cy - r, cy + r + 1):
            for xx in range(cx - r, cx + r + 1):
                if (xx - cx) ** 2 + (yy - cy) ** 2 <= r * r and 0 <= xx < self.w and 0 <= yy < self.h:
                    self.pix[yy * self.w + xx] = c

    def bands(self, x, y, w, h, colours):
        """Horizontal bands, top to bottom, splitting h evenly: a stepped gradient."""
        n = len(colours)
        for k, c in enumerate(colours):
            top = y + h * k // n
            self.rect(x, top, w, y + h * (k + 1) // n - top, c)


def board_face(canvas, housing, rim, grid, strip_bands, fare, window, dot, emblem):
    """The parts every sample shares; colours are palette indexes."""
    c = canvas
    c.rect(0, 0, c.w, c.h, housing)
    c.frame(2, 2, c.w - 4, c.h - 4, rim, 2)
    x, y, w, h = STOP_NAME
    c.rect(x - 6, y - 5, w + 12, h + 10, window)
    c.frame(x - 6, y - 5, w + 12, h + 10, rim)
    for yy in range(y + 2, y + h - 1, 4):
        for xx in range(x + 2, x + w - 1, 4):
            c.rect(xx, yy, 2, 2, dot)
    c.rect(38, 95, 500, 220, grid)
    for strip, window_rect in cells():
        sx, sy, sw, sh = strip
        c.frame(sx - 2, sy - 2, sw + 4, window_rect[1] + window_rect[3] - sy + 4, rim)
        c.bands(sx, sy, sw, sh, strip_bands)
        c.rect(*window_rect, fare)
    # An emblem at the top-left: a round badge with a small bus in it.
    c.disc(40, 46, 26, rim)
    c.disc(40, 46, 23, emblem)
    c.rect(24, 36, 32, 16, rim)
    c.rect(27, 39, 7, 6, emblem)
    c.rect(36, 39, 7, 6, emblem)
    c.rect(45, 39, 8, 6, emblem)
    c.disc(31, 54, 3, rim)
    c.disc(49, 54, 3, rim)


def write_gif(path, canvas):
    """A GIF with a global palette of up to 256 colours, LZW-compressed."""
    palette = canvas.palette + [(0, 0, 0)] * (256 - len(canvas.palette))
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", canvas.w, canvas.h, 0xF7, 0, 0)
    for r, g, b in palette:
        out += bytes((r, g, b))
    out += b","
    out += struct.pack("<HHHHB", 0, 0, canvas.w, canvas.h, 0)
    out += bytes((8,))
    data = lzw(canvas.pix, 8)
    for i in range(0, len(data), 255):
        block = data[i:i + 255]
        out += bytes((len(block),)) + block
    out += b"\x00;"
    with open(path, "wb") as f:
        f.write(out)


def lzw(pixels, min_size):
    clear, end = 1 << min_size, (1 << min_size) + 1
    table = {bytes((i,)): i for i in range(clear)}
    size, next_code = min_size + 1, end + 1
    out, bits, count = bytearray(), 0, 0

    def emit(code):
        nonlocal bits, count
        bits |= code << count
        count += size
        while count >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            count -= 8

    emit(clear)
    word = b""
    for p in pixels:
        grown = word + bytes((p,))
        if grown in table:
            word = grown
            continue
        emit(table[word])
        if next_code < 4096:
            table[grown] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear)
            table = {bytes((i,)): i for i in range(clear)}
            size, next_code = min_size + 1, end + 1
        word = bytes((p,))
    if word:
        emit(table[word])
    emit(end)
    if count:
        out.append(bits & 0xFF)
    return bytes(out)


def write_bmp(path, canvas):
    """An uncompressed 8-bit BMP, rows bottom-up and padded to four bytes."""
    row = (canvas.w + 3) & ~3
    palette = canvas.palette + [(0, 0, 0)] * (256 - len(canvas.palette))
    offset = 14 + 40 + 256 * 4
    size = offset + row * canvas.h
    out = bytearray(b"BM")
    out += struct.pack("<IHHI", size, 0, 0, offset)
    out += struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, 8, 0, row * canvas.h,
                       3780, 3780, 256, 0)
    for r, g, b in palette:
        out += bytes((b, g, r, 0))
    for y in range(canvas.h - 1, -1, -1):
        line = canvas.pix[y * canvas.w:(y + 1) * canvas.w]
        out += line + bytes(row - canvas.w)
    with open(path, "wb") as f:
        f.write(out)


def evening_green():
    palette = [
        (0x14, 0x3a, 0x2a),  # 0 housing
        (0xf0, 0xe2, 0xb8),  # 1 cream rim and lines
        (0x0c, 0x24, 0x1a),  # 2 grid
        (0x2e, 0x7a, 0x52), (0x26, 0x68, 0x46), (0x1e, 0x56, 0x3a), (0x18, 0x46, 0x30),  # 3-6 strip
        (0x5a, 0x5a, 0x5a),  # 7 fare window
        (0x08, 0x0a, 0x08),  # 8 stop-name window
        (0x22, 0x26, 0x1c),  # 9 unlit dots
        (0xc8, 0x50, 0x28),  # 10 emblem
    ]
    c = Canvas(544, 335, palette)
    board_face(c, 0, 1, 2, [3, 4, 5, 6], 7, 8, 9, 10)
    # Two cream pin-stripes along the bottom.
    c.rect(10, 322, 524, 1, 1)
    c.rect(10, 325, 524, 1, 1)
    return c


def small_maroon():
    palette = [
        (0x4a, 0x14, 0x1c),  # 0 housing
        (0xd8, 0xb0, 0x60),  # 1 brass rim
        (0x2a, 0x0a, 0x10),  # 2 grid
        (0x70, 0x2a, 0x34), (0x62, 0x22, 0x2c), (0x54, 0x1c, 0x24), (0x46, 0x16, 0x1e),  # 3-6
        (0x5a, 0x5a, 0x5a),  # 7 fare window
        (0x0a, 0x08, 0x08),  # 8 stop-name window
        (0x2a, 0x1e, 0x1e),  # 9 unlit dots
        (0x24, 0x58, 0x8c),  # 10 emblem
    ]
    c = Canvas(480, 300, palette)
    board_face(c, 0, 1, 2, [3, 4, 5, 6], 7, 8, 9, 10)
    return c


def main():
    os.makedirs(OUT, exist_ok=True)
    write_gif(os.path.join(OUT, "evening-green.gif"), evening_green())
    write_bmp(os.path.join(OUT, "small-maroon.bmp"), small_maroon())


if __name__ == "__main__":
    main()
