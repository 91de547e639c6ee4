#!/usr/bin/env python3
"""Packs PNG pictures into one Windows icon file, each as an entry of its own:
    ico.py OUTPUT.ico PICTURE.png...
Windows reads PNG-compressed entries at every size since Vista."""
import struct
import sys


def png_size(data, name):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        sys.exit(f"ico.py: {name} is not a PNG picture")
    width, height = struct.unpack(">II", data[16:24])
    if not (1 <= width <= 256 and 1 <= height <= 256):
        sys.exit(f"ico.py: {name} is {width}x{height}; an icon entry is 256 pixels at most")
    return width, height


def main(output, pictures):
    entries = []
    for name in pictures:
        with open(name, "rb") as f:
            data = f.read()
        entries.append((png_size(data, name), data))
    entries.sort(key=lambda entry: entry[0])
    # The header, one 16-byte directory entry per picture, then the pictures.
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for (width, height), data in entries:
        # A side of 256 is written as 0; 32 bits a pixel, one plane.
        out += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in entries:
        out += data
    with open(output, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit("usage: ico.py OUTPUT.ico PICTURE.png...")
    main(sys.argv[1], sys.argv[2:])
