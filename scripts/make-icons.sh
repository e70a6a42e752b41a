#!/usr/bin/env bash
# Makes every picture under resources/ from its source and writes them next to it:
#   icons/orvanta.svg          -> icons/orvanta-{16,24,32,48,64,128,256}.png, logo.png
#   icons/orvanta-{16,24,32}   -> icons/orvanta.ico (16x16 in 16 colours; 16, 24, 32 in 256)
#   the pixel maps below       -> minimize.png, cursors/hand.png, cursors/hand.cur
# The results are committed, so a build needs none of these tools.
# Needs: rsvg-convert (librsvg2-bin), convert (imagemagick), python3.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
res=$root/resources
for tool in rsvg-convert convert python3; do
    command -v "$tool" >/dev/null || { echo "make-icons: $tool is missing (apt-get install librsvg2-bin imagemagick python3)" >&2; exit 1; }
done

for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" "$res/icons/orvanta.svg" -o "$res/icons/orvanta-$size.png"
done
cp "$res/icons/orvanta-32.png" "$res/logo.png"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Windows icons keep transparency in a one-bit mask; the colours are cut down to the
# palette size here (one entry stays free for the black behind transparent pixels),
# with the outline colour behind half-covered edge pixels so the rim stays dark.
quantize() { # png colours out-prefix
    convert "$1" -background '#1b2a3c' -alpha remove -alpha off +dither -colors "$2" -depth 8 "rgb:$3.rgb"
    convert "$1" -alpha extract -depth 8 "gray:$3.a"
}
quantize "$res/icons/orvanta-16.png" 15 "$tmp/i16c16"
quantize "$res/icons/orvanta-16.png" 255 "$tmp/i16c256"
quantize "$res/icons/orvanta-24.png" 255 "$tmp/i24c256"
quantize "$res/icons/orvanta-32.png" 255 "$tmp/i32c256"

python3 - "$res" "$tmp" <<'PY'
import struct
import sys
import zlib

res, tmp = sys.argv[1], sys.argv[2]


def png(path, width, height, rows, alpha):
    """Writes 8-bit RGB or RGBA rows (lists of tuples) as a PNG."""
    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def grid(text, width, height):
    rows = [line.ljust(width, ".") for line in text.strip("\n").split("\n")]
    rows += ["." * width] * (height - len(rows))
    assert len(rows) == height and all(len(r) == width for r in rows), "pixel map has the wrong size"
    return rows


def dib(width, height, bits, palette, indices, transparent):
    """A BITMAPINFOHEADER image of an .ico/.cur entry: colour bits, then the AND mask,
    both bottom-up with rows padded to four bytes; the header counts both heights."""
    def packed(values, depth):
        row_bytes = (width * depth + 31) // 32 * 4
        out = bytearray()
        for y in reversed(range(height)):
            acc = 0
            bits_in = 0
            line = bytearray()
            for x in range(width):
                acc = (acc << depth) | values[y][x]
                bits_in += depth
                if bits_in == 8:
                    line.append(acc)
                    acc = bits_in = 0
            if bits_in:
                line.append(acc << (8 - bits_in))
            out += line.ljust(row_bytes, b"\0")
        return bytes(out)

    colours = packed(indices, bits)
    mask = packed(transparent, 1)
    entries = 1 << bits
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette + [(0, 0, 0)] * (entries - len(palette)))
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0, len(colours) + len(mask), 0, 0, entries, 0)
    return header + table + colours + mask


def icon_file(path, kind, images):
    """images: (width, height, colour count or 0, planes or hot x, bits or hot y, dib)."""
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    body = b""
    for w, h, count, field1, field2, data in images:
        out += struct.pack("<BBBBHHII", w % 256, h % 256, count, 0, field1, field2, len(data), offset)
        offset += len(data)
        body += data
    with open(path, "wb") as f:
        f.write(out + body)


# The program icon for Windows, from the quantized renderings.
entries = []
for size, colours, bits, name in ((16, 16, 4, "i16c16"), (16, 256, 8, "i16c256"), (24, 256, 8, "i24c256"), (32, 256, 8, "i32c256")):
    rgb = open(f"{tmp}/{name}.rgb", "rb").read()
    alpha = open(f"{tmp}/{name}.a", "rb").read()
    assert len(rgb) == size * size * 3 and len(alpha) == size * size
    pixels = [tuple(rgb[i : i + 3]) for i in range(0, len(rgb), 3)]
    clear = [a < 128 for a in alpha]
    palette = [(0, 0, 0)] + sorted({p for p, c in zip(pixels, clear) if not c} - {(0, 0, 0)})
    assert len(palette) <= colours, f"{name}: {len(palette)} colours"
    index = {p: i for i, p in enumerate(palette)}
    indices = [[0 if clear[y * size + x] else index[pixels[y * size + x]] for x in range(size)] for y in range(size)]
    mask = [[1 if clear[y * size + x] else 0 for x in range(size)] for y in range(size)]
    entries.append((size, size, colours % 256, 1, bits, dib(size, size, bits, palette, indices, mask)))
icon_file(f"{res}/icons/orvanta.ico", 1, entries)

# The picture of the minimize button: an arrow going down and right into a block in
# the lower-right corner, the tray it hides into.
MINIMIZE = """
..............
.##...........
.###..........
..###..#......
...###.#......
....####......
.....###......
...#####......
..............
.........####.
.........####.
.........####.
..............
"""
grey, black = (0xCC, 0xCC, 0xCC), (0, 0, 0)
rows = grid(MINIMIZE, 14, 13)
png(f"{res}/minimize.png", 14, 13, [[black if c == "#" else grey for c in r] for r in rows], alpha=False)

# The link cursor: a pointing hand, black outline and white fill, hot spot on the
# fingertip at (5, 0).
HAND = """
....###
...#ooo#
...#ooo#
...#ooo#
...#ooo#
...#ooo#
...#ooo#
...#ooo####
...#ooo#ooo###
...#ooo#ooo#oo###
...#ooo#ooo#oo#oo#
...#ooo#ooo#oo#oo##
.###ooo#ooo#oo#oo#o#
#oo#ooo#ooo#oo#oo#o#
#ooo#oooooooooooooo#
#oooo#ooooooooooooo#
.#ooo#ooooooooooooo#
.#oooooooooooooooo#
..#ooooooooooooooo#
..#ooooooooooooooo#
...#ooooooooooooo#
...#ooooooooooooo#
....#ooooooooooo#
....#ooooooooooo#
....#############
"""
HOT_X, HOT_Y = 5, 0
rows = grid(HAND, 32, 32)
assert rows[HOT_Y][HOT_X] == "#", "the hot spot must lie on the hand"
colour = {".": (0, 0, 0, 0), "#": (0, 0, 0, 255), "o": (255, 255, 255, 255)}
png(f"{res}/cursors/hand.png", 32, 32, [[colour[c] for c in r] for r in rows], alpha=True)
indices = [[1 if c == "o" else 0 for c in r] for r in rows]
mask = [[1 if c == "." else 0 for c in r] for r in rows]
cursor = dib(32, 32, 1, [(0, 0, 0), (255, 255, 255)], indices, mask)
icon_file(f"{res}/cursors/hand.cur", 2, [(32, 32, 2, HOT_X, HOT_Y, cursor)])
PY

echo "make-icons: wrote the icons, logo.png, minimize.png and the hand cursor under $res"
