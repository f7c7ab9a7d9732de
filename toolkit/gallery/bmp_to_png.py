#!/usr/bin/env python3
"""Converts the gallery's 24-bit BMP screenshots to PNG (standard library only).

usage: bmp_to_png.py SOURCE.bmp DEST.png [SOURCE.bmp DEST.png ...]
"""
import struct
import sys
import zlib


def read_bmp(path):
    data = open(path, "rb").read()
    if data[:2] != b"BM":
        raise ValueError(f"{path}: not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    bits, compression = struct.unpack_from("<HI", data, 28)
    if bits != 24 or compression != 0:
        raise ValueError(f"{path}: not an uncompressed 24-bit BMP")
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        source = abs(height) - 1 - y if height > 0 else y  # positive height: bottom-up rows
        bgr = data[offset + source * stride: offset + source * stride + width * 3]
        rgb = bytearray(len(bgr))
        rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        rows.append(bytes(rgb))
    return width, abs(height), rows


def write_png(path, width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + row for row in rows)  # filter type 0 on every row
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)  # 8-bit RGB
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
                  chunk(b"IEND", b""))


def main(args):
    if not args or len(args) % 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    for source, dest in zip(args[0::2], args[1::2]):
        write_png(dest, *read_bmp(source))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
