"""A small uncompressed Flash movie (SWF 6) written byte by byte.

The movie has a sky-blue stage with a green ground strip and a yellow sun
that climbs across the sky, one step per frame at 25 frames a second.
"""
import math
import struct

TWIPS = 20


class Bits:
    """Big-endian bit packing, as SWF records use it."""

    def __init__(self):
        self.out, self.acc, self.n = bytearray(), 0, 0

    def u(self, value, nbits):
        for i in range(nbits - 1, -1, -1):
            self.acc = (self.acc << 1) | ((value >> i) & 1)
            self.n += 1
            if self.n == 8:
                self.out.append(self.acc)
                self.acc, self.n = 0, 0

    def s(self, value, nbits):
        self.u(value & ((1 << nbits) - 1), nbits)

    def align(self):
        if self.n:
            self.u(0, 8 - self.n)
        return bytes(self.out)


def sbits(*values):
    """Bits needed to hold every value as a signed number."""
    return max(max(abs(v) for v in values).bit_length() + 1, 2)


def rect(xmin, xmax, ymin, ymax):
    b = Bits()
    n = sbits(xmin, xmax, ymin, ymax)
    b.u(n, 5)
    for v in (xmin, xmax, ymin, ymax):
        b.s(v, n)
    return b.align()


def tag(code, body=b""):
    if len(body) < 63:
        return struct.pack("<H", (code << 6) | len(body)) + body
    return struct.pack("<HI", (code << 6) | 0x3F, len(body)) + body


def polygon_shape(shape_id, points, rgb):
    """DefineShape of one filled polygon (points in twips, closed)."""
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    body = struct.pack("<H", shape_id) + rect(min(xs), max(xs), min(ys), max(ys))
    body += bytes([1, 0x00]) + bytes(rgb)  # one solid fill style
    body += bytes([0])  # no line styles
    b = Bits()
    b.u(1, 4)  # fill style index bits
    b.u(0, 4)  # line style index bits
    # style change: move to the first point and select fill style 1 on the left side
    x0, y0 = points[0]
    b.u(0, 1)
    b.u(0, 1)  # new styles
    b.u(0, 1)  # line style
    b.u(1, 1)  # fill style 1
    b.u(0, 1)  # fill style 0
    b.u(1, 1)  # move to
    n = sbits(x0, y0)
    b.u(n, 5)
    b.s(x0, n)
    b.s(y0, n)
    b.u(1, 1)  # fill style 1 = 1
    prev = points[0]
    for p in points[1:] + [points[0]]:
        dx, dy = p[0] - prev[0], p[1] - prev[1]
        n = sbits(dx, dy)
        b.u(1, 1)  # edge
        b.u(1, 1)  # straight
        b.u(n - 2, 4)
        b.u(1, 1)  # general line
        b.s(dx, n)
        b.s(dy, n)
        prev = p
    b.u(0, 6)  # end of shape
    return tag(2, body + b.align())


def place(depth, char_id, x, y, new=True):
    b = Bits()
    b.u(0, 1)  # no scale
    b.u(0, 1)  # no rotation
    n = sbits(x, y)
    b.u(n, 5)
    b.s(x, n)
    b.s(y, n)
    flags = 0x04 | (0x02 if new else 0x01)
    body = struct.pack("<BH", flags, depth)
    if new:
        body += struct.pack("<H", char_id)
    return tag(26, body + b.align())


def movie(frames=100, width=336, height=287, fps=25):
    """Bytes of the whole movie."""
    w, h = width * TWIPS, height * TWIPS
    sun = [(int(40 * TWIPS * math.cos(a)), int(40 * TWIPS * math.sin(a)))
           for a in (2 * math.pi * k / 12 for k in range(12))]
    ground = [(0, 0), (w, 0), (w, 70 * TWIPS), (0, 70 * TWIPS)]
    tags = tag(9, bytes([116, 192, 252]))
    tags += polygon_shape(1, ground, (81, 207, 102))
    tags += polygon_shape(2, sun, (255, 212, 59))
    tags += place(1, 1, 0, h - 70 * TWIPS)
    for f in range(frames):
        t = f / max(frames - 1, 1)
        x = int((40 + t * (width - 80)) * TWIPS)
        y = int((height - 90 - math.sin(t * math.pi) * (height - 150)) * TWIPS)
        tags += place(2, 2, x, y, new=(f == 0))
        tags += tag(1)
    tags += tag(0)
    head = rect(0, w, 0, h) + struct.pack("<HH", fps << 8, frames)
    length = 8 + len(head) + len(tags)
    return b"FWS" + bytes([6]) + struct.pack("<I", length) + head + tags
