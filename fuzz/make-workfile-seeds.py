#!/usr/bin/env python3
"""Writes the seed corpus of the work-file fuzz target (run it from anywhere; the output is committed).

Each seed is one byte that chooses the report class (by its index among the program's CRS
3000 report classes, modulo their number), then a work file: a 32-bit little-endian block
count, then each block's 32-bit length and the block as stored (DLE STX, block number,
record count, data, DLE ETX, two CRC bytes the reader does not check).
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "corpus", "crs-workfile")

HEADER = bytes.fromhex("00 58 01 03 04 26 00 0C 12 34 07 42") + bytes(24)


def framed(data, number):
    return b"\x10\x02" + bytes([number, 0]) + data + b"\x10\x03\xab\xcd"


def work_file(blocks):
    return struct.pack("<i", len(blocks)) + b"".join(struct.pack("<i", len(b)) + b for b in blocks)


def signed_bcd(value, width):
    digits = str(abs(value)).rjust(2 * width - 1, "0") + ("D" if value < 0 else "C")
    return bytes.fromhex(digits)


def counted(data, number, count):
    return b"\x10\x02" + bytes([number, count]) + data + b"\x10\x03\xab\xcd"


def records(first, count, size=11):
    """Records of 11 bytes (a 6-byte total and a 5-byte count), padded to size."""
    out = b""
    for i in range(first, first + count):
        out += (signed_bcd(i * 100 + 5, 6) + signed_bcd(-i if i % 2 else i, 5)).ljust(size, b"\x00")
    return out


SEEDS = {
    "header-only.bin": work_file([framed(HEADER, 1)]),
    "three-records.bin": work_file([framed(HEADER, 1), framed(records(1, 3), 2)]),
    "two-blocks.bin": work_file([framed(HEADER, 1), framed(records(1, 180), 2), framed(records(181, 2), 3)]),
    "empty-blocks.bin": work_file([framed(HEADER, 1), framed(b"", 2), framed(b"", 3)]),
    "end-marker.bin": work_file([framed(HEADER, 1), framed(bytes([3, 0x41, 0x42, 0x43, 0xFF, 0, 0]), 2)]),
    # Time period records (customers, total), product mix blocks that give their record
    # count (24 and 48 periods), and time keeping records (tips and four job entries).
    "period-records.bin": work_file([framed(HEADER, 1), framed(records(1, 3, 9)[:27], 2)]),
    "product-mix.bin": work_file([framed(HEADER, 1), counted(records(1, 2, 291), 2, 2), counted(records(3, 1, 579), 3, 1)]),
    "time-keeping.bin": work_file([framed(HEADER, 1), framed(records(1, 2, 49), 2)]),
}

os.makedirs(OUT, exist_ok=True)
for name, body in sorted(SEEDS.items()):
    for chooser in range(4):
        with open(os.path.join(OUT, f"{chooser}-{name}"), "wb") as f:
            f.write(bytes([chooser]) + body)
