#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vesquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the icon's PNG files out as pixels in a C++ source, so that the window
needs no image decoder to show its icon.

  png_to_pixels.py --output icon_pixels.cpp icons/vesquin-16.png icons/vesquin-24.png ...

Each image becomes an array of 0xAARRGGBB words, row by row, which is how QImage holds
Format_ARGB32. Only what the icon files are is read: square, 8 bits per channel,
RGBA, not interlaced. Anything else stops the build with the file's name."""

import argparse
import struct
import sys
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"
RGBA = 6


def chunks(data, where):
    at = len(SIGNATURE)
    while at < len(data):
        if at + 8 > len(data):
            sys.exit(f"{where}: the file ends inside a chunk")
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if len(body) != length:
            sys.exit(f"{where}: the file ends inside a chunk")
        (crc,) = struct.unpack(">I", data[at + 8 + length:at + 12 + length])
        if zlib.crc32(kind + body) != crc:
            sys.exit(f"{where}: damaged {kind.decode('latin-1')} chunk")
        yield kind, body
        at += 12 + length


def paeth(left, up, up_left):
    estimate = left + up - up_left
    to_left, to_up, to_up_left = abs(estimate - left), abs(estimate - up), abs(estimate - up_left)
    if to_left <= to_up and to_left <= to_up_left:
        return left
    return up if to_up <= to_up_left else up_left


def unfilter(raw, width, height, where):
    """The image's bytes with each row's filter undone (PNG's five filter types)."""
    stride = width * 4
    if len(raw) != height * (stride + 1):
        sys.exit(f"{where}: {len(raw)} bytes of image data, expected {height * (stride + 1)}")
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = row[x - 4] if x >= 4 else 0
            up = previous[x]
            up_left = previous[x - 4] if x >= 4 else 0
            if kind == 0:
                continue
            if kind == 1:
                row[x] = (row[x] + left) & 0xFF
            elif kind == 2:
                row[x] = (row[x] + up) & 0xFF
            elif kind == 3:
                row[x] = (row[x] + (left + up) // 2) & 0xFF
            elif kind == 4:
                row[x] = (row[x] + paeth(left, up, up_left)) & 0xFF
            else:
                sys.exit(f"{where}: unknown row filter {kind}")
        rows.append(row)
        previous = row
    return rows


def read_png(path):
    data = open(path, "rb").read()
    if not data.startswith(SIGNATURE):
        sys.exit(f"{path}: not a PNG file")
    header, compressed = None, bytearray()
    for kind, body in chunks(data, path):
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
    if header is None:
        sys.exit(f"{path}: no IHDR chunk")
    width, height, depth, colour, _, _, interlace = header
    if (depth, colour, interlace) != (8, RGBA, 0) or width != height:
        sys.exit(f"{path}: expected a square 8-bit RGBA image, not interlaced")
    return width, unfilter(zlib.decompress(bytes(compressed)), width, height, path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--output", required=True)
    parser.add_argument("images", nargs="+")
    arguments = parser.parse_args()

    out = [
        "// Written by cmake/png_to_pixels.py from the icon's PNG files; not to be edited.",
        '#include "icon_pixels.h"',
        "",
        "namespace vesquin {",
        "namespace {",
        "",
    ]
    entries = []
    for index, path in enumerate(arguments.images):
        side, rows = read_png(path)
        words = []
        for row in rows:
            for x in range(0, len(row), 4):
                r, g, b, a = row[x:x + 4]
                words.append(f"0x{a:02x}{r:02x}{g:02x}{b:02x}u")
        out.append(f"// {path.rsplit('/', 1)[-1]}")
        out.append(f"constexpr std::uint32_t kImage{index}[] = {{")
        for at in range(0, len(words), 8):
            out.append("    " + ", ".join(words[at:at + 8]) + ",")
        out.append("};")
        out.append("")
        entries.append(f"    {{{side}, kImage{index}}},")
    out += ["}  // namespace", "", "constexpr IconImage kIconImagesTable[] = {"]
    out += entries
    out += [
        "};",
        "",
        "const std::span<const IconImage> kIconImages(kIconImagesTable);",
        "",
        "}  // namespace vesquin",
        "",
    ]
    with open(arguments.output, "w", encoding="utf-8") as f:
        f.write("\n".join(out))


if __name__ == "__main__":
    main()
