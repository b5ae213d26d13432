#!/usr/bin/env python3
"""Draws the application icon: a desktop computer with a blue screen, in the
16-colour palette, at 32 x 32 and 16 x 16. Writes resources/duskveil.ico."""
import struct
import sys

PALETTE = [  # the standard 16 colours, as (r, g, b)
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, GREY, DARK, WHITE, BLUE, NAVY, CYAN = 0, 7, 8, 15, 12, 4, 14


def draw(n):
    """Returns rows top-down of palette indices, None for transparent."""
    img = [[None] * n for _ in range(n)]
    s = n / 32.0

    def rect(x0, y0, x1, y1, c):
        for y in range(int(y0 * s), max(int(y0 * s) + 1, int(y1 * s))):
            for x in range(int(x0 * s), max(int(x0 * s) + 1, int(x1 * s))):
                if 0 <= x < n and 0 <= y < n:
                    img[y][x] = c

    rect(2, 3, 30, 23, BLACK)    # monitor outline
    rect(3, 4, 29, 22, GREY)     # bezel
    rect(5, 6, 27, 20, NAVY)     # screen edge
    rect(6, 7, 26, 19, BLUE)     # blue screen
    rect(8, 9, 14, 11, CYAN)     # a glint on the screen
    rect(13, 23, 19, 26, DARK)   # neck
    rect(6, 26, 26, 30, BLACK)   # base outline
    rect(7, 27, 25, 29, GREY)    # base
    rect(20, 27, 23, 28, 10)     # power light
    return img


def bitmap(n):
    img = draw(n)
    header = struct.pack('<IiiHHIIiiII', 40, n, n * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor_rows, and_rows = [], []
    for row in reversed(img):  # bottom-up
        px = [(c if c is not None else 0) for c in row]
        xb = bytearray()
        for i in range(0, n, 2):
            xb.append((px[i] << 4) | px[i + 1])
        xb += b'\0' * ((4 - len(xb) % 4) % 4)
        xor_rows.append(bytes(xb))
        bits = 0
        ab = bytearray()
        for i, c in enumerate(row):
            bits = (bits << 1) | (1 if c is None else 0)
            if i % 8 == 7:
                ab.append(bits)
                bits = 0
        ab += b'\0' * ((4 - len(ab) % 4) % 4)
        and_rows.append(bytes(ab))
    return header + pal + b''.join(xor_rows) + b''.join(and_rows)


def main(path):
    images = [bitmap(32), bitmap(16)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in zip((32, 16), images):
        out += struct.pack('<BBBBHHII', n, n, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'resources/duskveil.ico')
